// Handler of a hash table.
#ifndef TOVHASHTABLERFHNDLR_H
#define TOVHASHTABLERFHNDLR_H

#include "TOVContainerRfHndlr.h"
#include "TOVHashTable.h"

TOV_DECLARE_RFHNDLR(TOVHashTable, TOVContainerRfHndlr)

#endif
