// Strategy that turns an object into a 32-bit code.
#ifndef TOVHASHCODER_H
#define TOVHASHCODER_H

#include "TOVMacro.h"

class TOVBASIC_API TOVHashCoder : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVHashCoder)
public:
  TOVHashCoder() = default;
  ~TOVHashCoder() override;

  /// Any 32-bit value; objects that the container's comparator calls equal must get
  /// the same code.
  virtual unsigned int Code(const MORBaseUnknown* obj) const = 0;
};

#endif
