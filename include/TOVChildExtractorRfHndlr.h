// Handler of a child extractor.
#ifndef TOVCHILDEXTRACTORRFHNDLR_H
#define TOVCHILDEXTRACTORRFHNDLR_H

#include "MORBaseUnknownRfHndlr.h"
#include "TOVChildExtractor.h"

TOV_DECLARE_RFHNDLR(TOVChildExtractor, MORBaseUnknownRfHndlr)

#endif
