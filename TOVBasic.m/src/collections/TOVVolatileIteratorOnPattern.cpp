#include "TOVVolatileIteratorOnPattern.h"

TOV_IMPLEMENT_CLASS(TOVVolatileIteratorOnPattern, TOVVolatileOneWayIterator)

TOVVolatileIteratorOnPattern::~TOVVolatileIteratorOnPattern() = default;
