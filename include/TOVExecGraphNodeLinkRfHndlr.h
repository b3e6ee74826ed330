// Handler of a node link.
#ifndef TOVEXECGRAPHNODELINKRFHNDLR_H
#define TOVEXECGRAPHNODELINKRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVExecGraphNodeLink.h"

TOV_DECLARE_RFHNDLR(TOVExecGraphNodeLink, MORBaseUnknownRfHndlr)

#endif
