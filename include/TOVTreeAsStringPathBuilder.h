// Builds the path of a tree-iterator element as one text.
#ifndef TOVTREEASSTRINGPATHBUILDER_H
#define TOVTREEASSTRINGPATHBUILDER_H

#include "TOVTreeIteratorElementConvToCaseNameRfHndlr.h"

class TOVBASIC_API TOVTreeAsStringPathBuilder : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVTreeAsStringPathBuilder)

public:
  TOVTreeAsStringPathBuilder(const TOVTreeIteratorElementConvToCaseNameRfHndlr& hConvertor,
                             const MORUnicodeString& separator);
  ~TOVTreeAsStringPathBuilder() override;

  /// path becomes the names of the elements from the top down to element, joined by
  /// the separator.
  virtual void GetRelativePath(const TOVTreeIteratorElement& element, MORUnicodeString& path) const;

private:
  TOVTreeIteratorElementConvToCaseNameRfHndlr _HConvertor;
  MORUnicodeString _Separator;
};

#endif
