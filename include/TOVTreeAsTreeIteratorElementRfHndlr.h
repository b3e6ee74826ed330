// Handler of an element of a look-ahead tree iterator.
#ifndef TOVTREEASTREEITERATORELEMENTRFHNDLR_H
#define TOVTREEASTREEITERATORELEMENTRFHNDLR_H

#include "TOVTreeAsPathIteratorElementRfHndlr.h"
#include "TOVTreeAsTreeIteratorElement.h"

TOV_DECLARE_RFHNDLR(TOVTreeAsTreeIteratorElement, TOVTreeAsPathIteratorElementRfHndlr)

#endif
