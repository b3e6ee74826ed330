// Handler of a maker of look-ahead tree-iterator elements.
#ifndef TOVTREEASTREEITERATORELEMENTMAKERRFHNDLR_H
#define TOVTREEASTREEITERATORELEMENTMAKERRFHNDLR_H

#include "TOVTreeAsPathIteratorElementMakerRfHndlr.h"
#include "TOVTreeAsTreeIteratorElementMaker.h"

TOV_DECLARE_RFHNDLR(TOVTreeAsTreeIteratorElementMaker, TOVTreeAsPathIteratorElementMakerRfHndlr)

#endif
