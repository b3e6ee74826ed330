#include "TOVVolatileOneWayIterator.h"

TOV_IMPLEMENT_CLASS(TOVVolatileOneWayIterator, MORBaseUnknown)

TOVVolatileOneWayIterator::~TOVVolatileOneWayIterator() = default;
