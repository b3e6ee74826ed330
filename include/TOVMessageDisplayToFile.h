// Root of the message displays that write to a file.
#ifndef TOVMESSAGEDISPLAYTOFILE_H
#define TOVMESSAGEDISPLAYTOFILE_H

#include "TOVMessageDisplay.h"

class TOVBASIC_API TOVMessageDisplayToFile : public TOVMessageDisplay {
  TOV_DECLARE_CLASS(TOVMessageDisplayToFile)
public:
  TOVMessageDisplayToFile() = default;
  ~TOVMessageDisplayToFile() override;
};

#endif
