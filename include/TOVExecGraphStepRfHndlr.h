// Handler of an execution-graph step.
#ifndef TOVEXECGRAPHSTEPRFHNDLR_H
#define TOVEXECGRAPHSTEPRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"

// A step holds the handler of the step that overrides it, so the handler is declared on
// the class name alone; the class itself follows.
class TOVExecGraphStep;
TOV_DECLARE_RFHNDLR(TOVExecGraphStep, MORBaseUnknownRfHndlr)

#include "TOVExecGraphStep.h"

#endif
