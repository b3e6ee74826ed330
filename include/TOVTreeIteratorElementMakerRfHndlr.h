// Handler of a tree-iterator element maker.
#ifndef TOVTREEITERATORELEMENTMAKERRFHNDLR_H
#define TOVTREEITERATORELEMENTMAKERRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVTreeIteratorElementMaker.h"

TOV_DECLARE_RFHNDLR(TOVTreeIteratorElementMaker, MORBaseUnknownRfHndlr)

#endif
