// Handler of a filter that returns the objects of a set.
#ifndef TOVTREEASPATHITERATORFILTERWITHCURRENTSETRFHNDLR_H
#define TOVTREEASPATHITERATORFILTERWITHCURRENTSETRFHNDLR_H

#include "TOVTreeAsPathIteratorFilterRfHndlr.h"
#include "TOVTreeAsPathIteratorFilterWithCurrentSet.h"

TOV_DECLARE_RFHNDLR(TOVTreeAsPathIteratorFilterWithCurrentSet, TOVTreeAsPathIteratorFilterRfHndlr)

#endif
