// Handler of an element of a path tree iterator.
#ifndef TOVTREEASPATHITERATORELEMENTRFHNDLR_H
#define TOVTREEASPATHITERATORELEMENTRFHNDLR_H

#include "TOVTreeAsPathIteratorElement.h"
#include "TOVTreeIteratorElementRfHndlr.h"

TOV_DECLARE_RFHNDLR(TOVTreeAsPathIteratorElement, TOVTreeIteratorElementRfHndlr)

#endif
