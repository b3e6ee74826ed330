// Handler of a TOVString.
#ifndef TOVSTRINGRFHNDLR_H
#define TOVSTRINGRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVString.h"

TOV_DECLARE_RFHNDLR(TOVString, MORBaseUnknownRfHndlr)

#endif
