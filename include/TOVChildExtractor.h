// Strategy that lists the children of a node for tree iteration.
#ifndef TOVCHILDEXTRACTOR_H
#define TOVCHILDEXTRACTOR_H

#include "TOVMacro.h"

class TOVOneWayIterator;

class TOVBASIC_API TOVChildExtractor : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVChildExtractor)
public:
  TOVChildExtractor() = default;
  ~TOVChildExtractor() override;

  /// New iterator (owned by the caller) over the children of parent (null: the top
  /// level), or null when there are none.
  virtual TOVOneWayIterator* MakeChildIterator(const MORBaseUnknown* parent) = 0;
};

#endif
