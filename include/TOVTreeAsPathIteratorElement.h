// Element of a path tree iterator.
#ifndef TOVTREEASPATHITERATORELEMENT_H
#define TOVTREEASPATHITERATORELEMENT_H

#include "TOVTreeIteratorElement.h"

class TOVBASIC_API TOVTreeAsPathIteratorElement : public TOVTreeIteratorElement {
  TOV_DECLARE_CLASS(TOVTreeAsPathIteratorElement)

public:
  TOVTreeAsPathIteratorElement(const TOVTreeIterator& iterator, int index);
  ~TOVTreeAsPathIteratorElement() override;
};

#endif
