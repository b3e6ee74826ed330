#include "TOVTreeAsStringPathBuilder.h"
#include "TOVTreeIterator.h"
#include "TOVTreeIteratorElement.h"
#include "TOVVector.h"

TOV_IMPLEMENT_CLASS(TOVTreeAsStringPathBuilder, MORBaseUnknown)

TOVTreeAsStringPathBuilder::TOVTreeAsStringPathBuilder(
    const TOVTreeIteratorElementConvToCaseNameRfHndlr& hConvertor,
    const MORUnicodeString& separator)
    : _HConvertor(hConvertor), _Separator(separator) {}

TOVTreeAsStringPathBuilder::~TOVTreeAsStringPathBuilder() = default;

void TOVTreeAsStringPathBuilder::GetRelativePath(const TOVTreeIteratorElement& element,
                                                 MORUnicodeString& path) const {
  path = "";
  const TOVVector& elements = element.GetTreeIterator().GetElementSet();
  const int depth = element.GetIteratorElementSetIdx();
  for (int i = 0; i <= depth; ++i) {
    if (i > 0)
      path += _Separator;
    _HConvertor->SetElement(static_cast<const TOVTreeIteratorElement*>(elements[i]));
    path += _HConvertor->GetCaseName();
  }
}
