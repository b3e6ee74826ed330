// Builds the lines of an indented tree drawing from look-ahead tree-iterator elements.
#ifndef TOVTREEASSTRINGTREEBUILDER_H
#define TOVTREEASSTRINGTREEBUILDER_H

#include "TOVTreeIteratorElementConvToCaseNameRfHndlr.h"

class TOVTreeAsTreeIteratorElement;

class TOVBASIC_API TOVTreeAsStringTreeBuilder : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVTreeAsStringTreeBuilder)

public:
  /// The five pieces: under an ancestor without a following sibling, under one with a
  /// following sibling, the indentation of a column, the branch, and what separates the
  /// branch from the name.
  TOVTreeAsStringTreeBuilder(const TOVTreeIteratorElementConvToCaseNameRfHndlr& hConvertor,
                             const MORUnicodeString& noSibling, const MORUnicodeString& sibling,
                             const MORUnicodeString& indentation, const MORUnicodeString& branch,
                             const MORUnicodeString& beforeName);
  /// The pieces " ", "!", "   ", "+" and "- ".
  explicit TOVTreeAsStringTreeBuilder(
      const TOVTreeIteratorElementConvToCaseNameRfHndlr& hConvertor);
  ~TOVTreeAsStringTreeBuilder() override;

  /// line becomes the drawing of element (its branch and name); nextPrefix the columns
  /// that the lines of its descendants begin with.
  virtual void GetStringsForTree(const TOVTreeAsTreeIteratorElement& element,
                                 MORUnicodeString& nextPrefix, MORUnicodeString& line) const;

private:
  TOVTreeIteratorElementConvToCaseNameRfHndlr _HConvertor;
  MORUnicodeString _NoSibling;
  MORUnicodeString _Sibling;
  MORUnicodeString _Indentation;
  MORUnicodeString _Branch;
  MORUnicodeString _BeforeName;
};

#endif
