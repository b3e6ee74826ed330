// Strategy that makes the element of one depth for a tree iterator.
#ifndef TOVTREEITERATORELEMENTMAKER_H
#define TOVTREEITERATORELEMENTMAKER_H

#include "TOVMacro.h"

class TOVTreeIterator;
class TOVTreeIteratorElement;

class TOVBASIC_API TOVTreeIteratorElementMaker : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVTreeIteratorElementMaker)

public:
  TOVTreeIteratorElementMaker() = default;
  ~TOVTreeIteratorElementMaker() override;

  /// A new element of the iterator's element class for depth index, built with that
  /// iterator and index; its one reference passes to the iterator.
  virtual TOVTreeIteratorElement* MakeElement(const TOVTreeIterator& iterator, int index) = 0;
};

#endif
