// Handler of a maker of path-iterator elements.
#ifndef TOVTREEASPATHITERATORELEMENTMAKERRFHNDLR_H
#define TOVTREEASPATHITERATORELEMENTMAKERRFHNDLR_H

#include "TOVTreeAsPathIteratorElementMaker.h"
#include "TOVTreeIteratorElementMakerRfHndlr.h"

TOV_DECLARE_RFHNDLR(TOVTreeAsPathIteratorElementMaker, TOVTreeIteratorElementMakerRfHndlr)

#endif
