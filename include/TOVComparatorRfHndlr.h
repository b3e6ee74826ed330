// Handler of a comparator.
#ifndef TOVCOMPARATORRFHNDLR_H
#define TOVCOMPARATORRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVComparator.h"

TOV_DECLARE_RFHNDLR(TOVComparator, MORBaseUnknownRfHndlr)

#endif
