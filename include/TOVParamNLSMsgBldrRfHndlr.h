// Handler of a message builder with parameters.
#ifndef TOVPARAMNLSMSGBLDRRFHNDLR_H
#define TOVPARAMNLSMSGBLDRRFHNDLR_H

#include "TOVNLSMsgBldrRfHndlr.h"
#include "TOVParamNLSMsgBldr.h"

TOV_DECLARE_RFHNDLR(TOVParamNLSMsgBldr, TOVNLSMsgBldrRfHndlr)

#endif
