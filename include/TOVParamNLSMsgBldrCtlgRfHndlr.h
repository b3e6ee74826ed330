// Handler of a catalog message builder.
#ifndef TOVPARAMNLSMSGBLDRCTLGRFHNDLR_H
#define TOVPARAMNLSMSGBLDRCTLGRFHNDLR_H

#include "TOVParamNLSMsgBldrCtlg.h"
#include "TOVParamNLSMsgBldrRfHndlr.h"

TOV_DECLARE_RFHNDLR(TOVParamNLSMsgBldrCtlg, TOVParamNLSMsgBldrRfHndlr)

#endif
