#include "TOVVersion.h"

extern "C" const char* TOVGetVersion() {
  return TOV_VERSION_STRING;
}
