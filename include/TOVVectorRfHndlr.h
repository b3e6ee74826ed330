// Handler of a vector.
#ifndef TOVVECTORRFHNDLR_H
#define TOVVECTORRFHNDLR_H

#include "TOVSeqCollectionRfHndlr.h"
#include "TOVVector.h"

TOV_DECLARE_RFHNDLR(TOVVector, TOVSeqCollectionRfHndlr)

#endif
