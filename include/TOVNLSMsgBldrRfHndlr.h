// Handler of a message builder.
#ifndef TOVNLSMSGBLDRRFHNDLR_H
#define TOVNLSMSGBLDRRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVNLSMsgBldr.h"

TOV_DECLARE_RFHNDLR(TOVNLSMsgBldr, MORBaseUnknownRfHndlr)

#endif
