// Filter that returns the nodes held by a container.
#ifndef TOVTREEASPATHITERATORFILTERWITHCURRENTSET_H
#define TOVTREEASPATHITERATORFILTERWITHCURRENTSET_H

#include "TOVContainerRfHndlr.h"
#include "TOVTreeAsPathIteratorFilter.h"

class TOVBASIC_API TOVTreeAsPathIteratorFilterWithCurrentSet : public TOVTreeAsPathIteratorFilter {
  TOV_DECLARE_CLASS(TOVTreeAsPathIteratorFilterWithCurrentSet)

public:
  /// Keeps a counted reference to the set of objects to return.
  explicit TOVTreeAsPathIteratorFilterWithCurrentSet(const TOVContainerRfHndlr& hSet);
  ~TOVTreeAsPathIteratorFilterWithCurrentSet() override;

  /// Non-zero when the set holds the element's very object.
  unsigned int ReturnCurrent(const TOVTreeAsPathIteratorElement& element) const override;

private:
  TOVContainerRfHndlr _HCurrentSet;
};

#endif
