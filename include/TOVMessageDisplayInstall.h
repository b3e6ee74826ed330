// Installing a terminal message display as the global one.
#ifndef TOVMESSAGEDISPLAYINSTALL_H
#define TOVMESSAGEDISPLAYINSTALL_H

#include "TOVMessageDisplay.h"

/// Makes a terminal message display (code page 850 when iOem is not 0, else 8-bit text),
/// makes it the global message display and hands it to the global object cleaner, which
/// must exist; gives it.
TOVBASIC_API TOVMessageDisplay& TOVSetGlobalMessageDisplayToTerm(unsigned int iOem);

/// Installs both terminal displays, the message display and the error display, in the
/// same code page (850 when iOem is not 0, else 8-bit text).
TOVBASIC_API void TOVSetGlobalDisplaysToTerm(unsigned int iOem);

#endif
