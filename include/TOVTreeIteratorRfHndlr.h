// Handler of a tree iterator.
#ifndef TOVTREEITERATORRFHNDLR_H
#define TOVTREEITERATORRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVTreeIterator.h"

TOV_DECLARE_RFHNDLR(TOVTreeIterator, MORBaseUnknownRfHndlr)

#endif
