// Handler of a containers link.
#ifndef TOVCONTAINERSLINKRFHNDLR_H
#define TOVCONTAINERSLINKRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVContainersLink.h"

TOV_DECLARE_RFHNDLR(TOVContainersLink, MORBaseUnknownRfHndlr)

#endif
