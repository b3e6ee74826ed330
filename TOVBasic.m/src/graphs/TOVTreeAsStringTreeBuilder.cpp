#include "TOVTreeAsStringTreeBuilder.h"
#include "TOVTreeAsTreeIteratorElement.h"
#include "TOVTreeIterator.h"
#include "TOVVector.h"

TOV_IMPLEMENT_CLASS(TOVTreeAsStringTreeBuilder, MORBaseUnknown)

TOVTreeAsStringTreeBuilder::TOVTreeAsStringTreeBuilder(
    const TOVTreeIteratorElementConvToCaseNameRfHndlr& hConvertor,
    const MORUnicodeString& noSibling, const MORUnicodeString& sibling,
    const MORUnicodeString& indentation, const MORUnicodeString& branch,
    const MORUnicodeString& beforeName)
    : _HConvertor(hConvertor), _NoSibling(noSibling), _Sibling(sibling), _Indentation(indentation),
      _Branch(branch), _BeforeName(beforeName) {}

TOVTreeAsStringTreeBuilder::TOVTreeAsStringTreeBuilder(
    const TOVTreeIteratorElementConvToCaseNameRfHndlr& hConvertor)
    : TOVTreeAsStringTreeBuilder(hConvertor, " ", "!", "   ", "+", "- ") {}

TOVTreeAsStringTreeBuilder::~TOVTreeAsStringTreeBuilder() = default;

void TOVTreeAsStringTreeBuilder::GetStringsForTree(const TOVTreeAsTreeIteratorElement& element,
                                                   MORUnicodeString& nextPrefix,
                                                   MORUnicodeString& line) const {
  nextPrefix = "";
  line = "";
  const TOVVector& elements = element.GetTreeIterator().GetElementSet();
  const int depth = element.GetIteratorElementSetIdx();
  // One column per ancestor below the top: a vertical line while that ancestor still
  // has siblings to come.
  for (int i = 1; i < depth; ++i) {
    nextPrefix += _Indentation;
    const auto* ancestor = static_cast<const TOVTreeAsTreeIteratorElement*>(elements[i]);
    nextPrefix += ancestor->HasNextObject() ? _Sibling : _NoSibling;
  }
  if (depth > 0) {
    nextPrefix += _Indentation;
    line = nextPrefix;
    nextPrefix += _Sibling;
    line += _Branch;
  }
  line += _BeforeName;
  _HConvertor->SetElement(static_cast<const TOVTreeIteratorElement*>(elements[depth]));
  line += _HConvertor->GetCaseName();
}
