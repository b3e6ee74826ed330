// Strategy that decides which nodes a path tree iterator returns.
#ifndef TOVTREEASPATHITERATORFILTER_H
#define TOVTREEASPATHITERATORFILTER_H

#include "TOVMacro.h"

class TOVTreeAsPathIteratorElement;

class TOVBASIC_API TOVTreeAsPathIteratorFilter : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVTreeAsPathIteratorFilter)

public:
  TOVTreeAsPathIteratorFilter() = default;
  ~TOVTreeAsPathIteratorFilter() override;

  /// Non-zero when the element is to be returned; a rejected node's children are
  /// still visited.
  virtual unsigned int ReturnCurrent(const TOVTreeAsPathIteratorElement& element) const = 0;
};

#endif
