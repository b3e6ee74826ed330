// Handler of a tree-drawing builder.
#ifndef TOVTREEASSTRINGTREEBUILDERRFHNDLR_H
#define TOVTREEASSTRINGTREEBUILDERRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVTreeAsStringTreeBuilder.h"

TOV_DECLARE_RFHNDLR(TOVTreeAsStringTreeBuilder, MORBaseUnknownRfHndlr)

#endif
