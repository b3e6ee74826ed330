// Library services of the runtime: start-up and processor and elapsed time measures.
#ifndef MORLIBSERVICES_H
#define MORLIBSERVICES_H

#include "MORTypes.h"

/// Starts the runtime's library services (the time measures); gives 0. Later calls do
/// nothing and give 0.
extern "C" WV0CORE_API long MORStartLibServices();

/// Starts a measure again: with the handle of a measure, restarts it and gives the same
/// handle; with -1 (or any handle not given out), opens a new measure and gives its
/// handle (0 or more). Starts the library services when needed.
extern "C" WV0CORE_API long MORResetTimes(long handle);

/// Sets cpuTime and elapsedTime, in milliseconds, to the processor time of the process
/// and the wall-clock time since the measure handle was last reset; handle -1 gives them
/// since the library services started. Gives 0, or E_INVALIDARG (times set to 0) for a
/// handle not given out.
WV0CORE_API long MORGetTimes(long handle, unsigned long& cpuTime, unsigned long& elapsedTime);

#endif
