#include "TOVTreeAsTreeIteratorElement.h"

TOV_IMPLEMENT_CLASS(TOVTreeAsTreeIteratorElement, TOVTreeAsPathIteratorElement)

TOVTreeAsTreeIteratorElement::TOVTreeAsTreeIteratorElement(const TOVTreeIterator& iterator,
                                                           int index)
    : TOVTreeAsPathIteratorElement(iterator, index) {}

TOVTreeAsTreeIteratorElement::~TOVTreeAsTreeIteratorElement() = default;
