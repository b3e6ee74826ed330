// Handler of a path-string builder.
#ifndef TOVTREEASSTRINGPATHBUILDERRFHNDLR_H
#define TOVTREEASSTRINGPATHBUILDERRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVTreeAsStringPathBuilder.h"

TOV_DECLARE_RFHNDLR(TOVTreeAsStringPathBuilder, MORBaseUnknownRfHndlr)

#endif
