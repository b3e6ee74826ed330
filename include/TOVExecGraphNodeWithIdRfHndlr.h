// Handler of an execution-graph node with identifier.
#ifndef TOVEXECGRAPHNODEWITHIDRFHNDLR_H
#define TOVEXECGRAPHNODEWITHIDRFHNDLR_H

#include "TOVExecGraphNodeRfHndlr.h"
#include "TOVExecGraphNodeWithId.h"

TOV_DECLARE_RFHNDLR(TOVExecGraphNodeWithId, TOVExecGraphNodeRfHndlr)

#endif
