#include "TOVTreeAsPathIteratorElement.h"

TOV_IMPLEMENT_CLASS(TOVTreeAsPathIteratorElement, TOVTreeIteratorElement)

TOVTreeAsPathIteratorElement::TOVTreeAsPathIteratorElement(const TOVTreeIterator& iterator,
                                                           int index)
    : TOVTreeIteratorElement(iterator, index) {}

TOVTreeAsPathIteratorElement::~TOVTreeAsPathIteratorElement() = default;
