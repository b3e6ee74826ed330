// Maker of the elements of a path tree iterator.
#ifndef TOVTREEASPATHITERATORELEMENTMAKER_H
#define TOVTREEASPATHITERATORELEMENTMAKER_H

#include "TOVTreeIteratorElementMaker.h"

/// MakeElement must give a TOVTreeAsPathIteratorElement.
class TOVBASIC_API TOVTreeAsPathIteratorElementMaker : public TOVTreeIteratorElementMaker {
  TOV_DECLARE_CLASS(TOVTreeAsPathIteratorElementMaker)

public:
  TOVTreeAsPathIteratorElementMaker() = default;
  ~TOVTreeAsPathIteratorElementMaker() override;
};

#endif
