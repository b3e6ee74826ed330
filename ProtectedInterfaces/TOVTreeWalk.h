// Bookkeeping shared by the two tree iterators: the element and the open child iterator
// of each depth.
#ifndef TOVTREEWALK_H
#define TOVTREEWALK_H

#include "TOVFatalInternalError.h"
#include "TOVOneWayIterator.h"
#include "TOVTreeIteratorElement.h"
#include "TOVTreeIteratorElementMaker.h"
#include "TOVVector.h"

namespace TOVTreeWalk {

/// The element of depth in elements, made by maker on the first visit of that depth and
/// checked to be of class Element.
template <class Element>
Element* ElementOfDepth(TOVVector& elements, TOVTreeIteratorElementMaker& maker,
                        const TOVTreeIterator& iterator, int depth) {
  if (depth < elements.Size())
    return static_cast<Element*>(elements[depth]);
  TOVTreeIteratorElement* element = maker.MakeElement(iterator, depth);
  if (element == nullptr)
    TOVFatalInternalError("The element maker ", maker.IsA(), " made no element");
  Element* made = TOVCheckedCast<Element>(element);
  elements.Set(depth, made);
  return made;
}

/// Stores the open iterator of depth (null when the depth has none).
inline void SetIteratorOfDepth(TOVVector& iterators, int depth, TOVOneWayIterator* it) {
  iterators.Set(depth, it);
}

/// The open iterator of depth, or null.
inline TOVOneWayIterator* IteratorOfDepth(const TOVVector& iterators, int depth) {
  return depth < iterators.Size() ? static_cast<TOVOneWayIterator*>(iterators[depth]) : nullptr;
}

/// Releases the iterator of depth and clears its slot.
inline void CloseIteratorOfDepth(TOVVector& iterators, int depth) {
  TOVOneWayIterator* it = IteratorOfDepth(iterators, depth);
  if (it != nullptr)
    it->Release();
  if (depth < iterators.Size())
    iterators.Set(depth, nullptr);
}

} // namespace TOVTreeWalk

#endif
