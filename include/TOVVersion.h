// Version of the library.
#ifndef TOVVERSION_H
#define TOVVERSION_H

#include "TOVExport.h"

/// The library's version as "major.minor.patch"; valid for the life of the process.
extern "C" TOVBASIC_API const char* TOVGetVersion();

#endif
