// Handler of a container.
#ifndef TOVCONTAINERRFHNDLR_H
#define TOVCONTAINERRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVContainer.h"

TOV_DECLARE_RFHNDLR(TOVContainer, MORBaseUnknownRfHndlr)

#endif
