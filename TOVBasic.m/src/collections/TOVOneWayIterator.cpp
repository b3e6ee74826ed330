#include "TOVOneWayIterator.h"

TOV_IMPLEMENT_CLASS(TOVOneWayIterator, MORBaseUnknown)

TOVOneWayIterator::~TOVOneWayIterator() = default;
