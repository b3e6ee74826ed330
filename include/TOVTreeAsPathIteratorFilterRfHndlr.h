// Handler of a path-iterator filter.
#ifndef TOVTREEASPATHITERATORFILTERRFHNDLR_H
#define TOVTREEASPATHITERATORFILTERRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVTreeAsPathIteratorFilter.h"

TOV_DECLARE_RFHNDLR(TOVTreeAsPathIteratorFilter, MORBaseUnknownRfHndlr)

#endif
