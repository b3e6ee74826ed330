// Handler of a tree iterator with one object of look-ahead per depth.
#ifndef TOVTREEASTREEITERATORRFHNDLR_H
#define TOVTREEASTREEITERATORRFHNDLR_H

#include "TOVTreeAsTreeIterator.h"
#include "TOVTreeIteratorRfHndlr.h"

TOV_DECLARE_RFHNDLR(TOVTreeAsTreeIterator, TOVTreeIteratorRfHndlr)

#endif
