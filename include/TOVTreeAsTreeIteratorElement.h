// Element of a look-ahead tree iterator: it also knows the next sibling of its object.
#ifndef TOVTREEASTREEITERATORELEMENT_H
#define TOVTREEASTREEITERATORELEMENT_H

#include "TOVTreeAsPathIteratorElement.h"

class TOVBASIC_API TOVTreeAsTreeIteratorElement : public TOVTreeAsPathIteratorElement {
  TOV_DECLARE_CLASS(TOVTreeAsTreeIteratorElement)

public:
  TOVTreeAsTreeIteratorElement(const TOVTreeIterator& iterator, int index);
  ~TOVTreeAsTreeIteratorElement() override;

  /// Stores the sibling that follows the element's object (null when it is the last).
  virtual void SetNextObject(const MORBaseUnknown* object) = 0;
  virtual const MORBaseUnknown* GetNextObject() const = 0;
  /// Non-zero when a next object is set.
  virtual unsigned int HasNextObject() const = 0;
};

#endif
