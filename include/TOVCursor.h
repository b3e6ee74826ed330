// Abstract position in a container; each container defines its own cursor class.
#ifndef TOVCURSOR_H
#define TOVCURSOR_H

#include "TOVMacro.h"

class TOVBASIC_API TOVCursor : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVCursor)
public:
  TOVCursor() = default;
  ~TOVCursor() override;
};

#endif
