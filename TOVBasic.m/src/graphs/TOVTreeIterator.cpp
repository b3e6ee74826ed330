#include "TOVTreeIterator.h"

TOV_IMPLEMENT_CLASS(TOVTreeIterator, MORBaseUnknown)

TOVTreeIterator::~TOVTreeIterator() = default;
