// Handler of a list-line field builder.
#ifndef TOVLISTLINEFIELDBLDRRFHNDLR_H
#define TOVLISTLINEFIELDBLDRRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVListLineFieldBldr.h"

TOV_DECLARE_RFHNDLR(TOVListLineFieldBldr, MORBaseUnknownRfHndlr)

#endif
