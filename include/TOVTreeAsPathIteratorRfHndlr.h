// Handler of a tree iterator that returns paths.
#ifndef TOVTREEASPATHITERATORRFHNDLR_H
#define TOVTREEASPATHITERATORRFHNDLR_H

#include "TOVTreeAsPathIterator.h"
#include "TOVTreeIteratorRfHndlr.h"

TOV_DECLARE_RFHNDLR(TOVTreeAsPathIterator, TOVTreeIteratorRfHndlr)

#endif
