// Handler of a sequential container.
#ifndef TOVSEQCOLLECTIONRFHNDLR_H
#define TOVSEQCOLLECTIONRFHNDLR_H

#include "TOVContainerRfHndlr.h"
#include "TOVSeqCollection.h"

TOV_DECLARE_RFHNDLR(TOVSeqCollection, TOVContainerRfHndlr)

#endif
