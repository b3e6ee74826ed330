// Depth-first, pre-order walk of a tree of objects that the caller describes.
#ifndef TOVTREEITERATOR_H
#define TOVTREEITERATOR_H

#include "TOVMacro.h"

class TOVTreeIteratorElement;
class TOVVector;

/// Root of the tree iterators. Each step gives the element of the reached node's depth;
/// through the element set, an element knows the whole path from the top.
class TOVBASIC_API TOVTreeIterator : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVTreeIterator)

public:
  TOVTreeIterator() = default;
  ~TOVTreeIterator() override;

  /// The element of the next node, or null at the end (and on every later call).
  virtual const TOVTreeIteratorElement* Next() = 0;
  /// The elements by depth (index 0 is the top), each made once and reused.
  virtual const TOVVector& GetElementSet() const = 0;
};

#endif
