// Handler of a sorted vector.
#ifndef TOVSORTEDVECTORRFHNDLR_H
#define TOVSORTEDVECTORRFHNDLR_H

#include "TOVSortedVector.h"
#include "TOVVectorRfHndlr.h"

TOV_DECLARE_RFHNDLR(TOVSortedVector, TOVVectorRfHndlr)

#endif
