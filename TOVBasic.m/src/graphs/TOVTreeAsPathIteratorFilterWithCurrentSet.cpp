#include "TOVTreeAsPathIteratorFilterWithCurrentSet.h"
#include "TOVTreeAsPathIteratorElement.h"

TOV_IMPLEMENT_CLASS(TOVTreeAsPathIteratorFilterWithCurrentSet, TOVTreeAsPathIteratorFilter)

TOVTreeAsPathIteratorFilterWithCurrentSet::TOVTreeAsPathIteratorFilterWithCurrentSet(
    const TOVContainerRfHndlr& hSet)
    : _HCurrentSet(hSet) {}

TOVTreeAsPathIteratorFilterWithCurrentSet::~TOVTreeAsPathIteratorFilterWithCurrentSet() = default;

unsigned int TOVTreeAsPathIteratorFilterWithCurrentSet::ReturnCurrent(
    const TOVTreeAsPathIteratorElement& element) const {
  return _HCurrentSet->Contains(element.GetObject()) ? 1u : 0u;
}
