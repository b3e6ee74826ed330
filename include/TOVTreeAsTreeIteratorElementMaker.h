// Maker of the elements of a look-ahead tree iterator.
#ifndef TOVTREEASTREEITERATORELEMENTMAKER_H
#define TOVTREEASTREEITERATORELEMENTMAKER_H

#include "TOVTreeAsPathIteratorElementMaker.h"

/// MakeElement must give a TOVTreeAsTreeIteratorElement.
class TOVBASIC_API TOVTreeAsTreeIteratorElementMaker : public TOVTreeAsPathIteratorElementMaker {
  TOV_DECLARE_CLASS(TOVTreeAsTreeIteratorElementMaker)

public:
  TOVTreeAsTreeIteratorElementMaker() = default;
  ~TOVTreeAsTreeIteratorElementMaker() override;
};

#endif
