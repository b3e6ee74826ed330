// Handler of any runtime object.
#ifndef MORBASEUNKNOWNRFHNDLR_H
#define MORBASEUNKNOWNRFHNDLR_H

#include "TOVRefHandler.h"

TOV_DECLARE_RFHNDLR(MORBaseUnknown, TOVRefHandler)

#endif
