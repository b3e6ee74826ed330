// Installing a terminal error display as the global one.
#ifndef TOVERRORDISPLAYINSTALL_H
#define TOVERRORDISPLAYINSTALL_H

#include "TOVErrorDisplay.h"

/// Makes a terminal error display (code page 850 when iOem is not 0, else 8-bit text),
/// makes it the global error display and hands it to the global object cleaner, which
/// must exist; gives it.
TOVBASIC_API TOVErrorDisplay& TOVSetGlobalErrorDisplayToTerm(unsigned int iOem);

#endif
