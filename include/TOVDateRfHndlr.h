// Handler of a TOVDate.
#ifndef TOVDATERFHNDLR_H
#define TOVDATERFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVDate.h"

TOV_DECLARE_RFHNDLR(TOVDate, MORBaseUnknownRfHndlr)

#endif
