// Handler of an execution-graph node.
#ifndef TOVEXECGRAPHNODERFHNDLR_H
#define TOVEXECGRAPHNODERFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVExecGraphNode.h"

TOV_DECLARE_RFHNDLR(TOVExecGraphNode, MORBaseUnknownRfHndlr)

#endif
