#include "TOVChildExtractor.h"

TOV_IMPLEMENT_CLASS(TOVChildExtractor, MORBaseUnknown)

TOVChildExtractor::~TOVChildExtractor() = default;
