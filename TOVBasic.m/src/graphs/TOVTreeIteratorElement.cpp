#include "TOVTreeIteratorElement.h"

TOV_IMPLEMENT_CLASS(TOVTreeIteratorElement, MORBaseUnknown)

TOVTreeIteratorElement::TOVTreeIteratorElement(const TOVTreeIterator& iterator, int index)
    : _TreeIterator(iterator), _IteratorElementSetIdx(index) {}

TOVTreeIteratorElement::~TOVTreeIteratorElement() = default;

const TOVTreeIterator& TOVTreeIteratorElement::GetTreeIterator() const {
  return _TreeIterator;
}

int TOVTreeIteratorElement::GetIteratorElementSetIdx() const {
  return _IteratorElementSetIdx;
}
