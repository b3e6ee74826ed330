// Handler of a step link.
#ifndef TOVEXECGRAPHSTEPLINKRFHNDLR_H
#define TOVEXECGRAPHSTEPLINKRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVExecGraphStepLink.h"

TOV_DECLARE_RFHNDLR(TOVExecGraphStepLink, MORBaseUnknownRfHndlr)

#endif
