// Handler of an element-to-name convertor.
#ifndef TOVTREEITERATORELEMENTCONVTOCASENAMERFHNDLR_H
#define TOVTREEITERATORELEMENTCONVTOCASENAMERFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVTreeIteratorElementConvToCaseName.h"

TOV_DECLARE_RFHNDLR(TOVTreeIteratorElementConvToCaseName, MORBaseUnknownRfHndlr)

#endif
