// Volatile iterator over the objects that match a pattern.
#ifndef TOVVOLATILEITERATORONPATTERN_H
#define TOVVOLATILEITERATORONPATTERN_H

#include "TOVVolatileOneWayIterator.h"

class TOVBASIC_API TOVVolatileIteratorOnPattern : public TOVVolatileOneWayIterator {
  TOV_DECLARE_CLASS(TOVVolatileIteratorOnPattern)
public:
  TOVVolatileIteratorOnPattern() = default;
  ~TOVVolatileIteratorOnPattern() override;

  /// (Re)starts the walk on the objects that match pattern.
  virtual void GoToFirst(const MORBaseUnknown* pattern) = 0;
};

#endif
