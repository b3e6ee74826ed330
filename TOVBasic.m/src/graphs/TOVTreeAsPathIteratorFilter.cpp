#include "TOVTreeAsPathIteratorFilter.h"

TOV_IMPLEMENT_CLASS(TOVTreeAsPathIteratorFilter, MORBaseUnknown)

TOVTreeAsPathIteratorFilter::~TOVTreeAsPathIteratorFilter() = default;
