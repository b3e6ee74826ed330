// Handler of a tree-iterator element.
#ifndef TOVTREEITERATORELEMENTRFHNDLR_H
#define TOVTREEITERATORELEMENTRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVTreeIteratorElement.h"

TOV_DECLARE_RFHNDLR(TOVTreeIteratorElement, MORBaseUnknownRfHndlr)

#endif
