#include "TOVTreeIteratorElementMaker.h"

TOV_IMPLEMENT_CLASS(TOVTreeIteratorElementMaker, MORBaseUnknown)

TOVTreeIteratorElementMaker::~TOVTreeIteratorElementMaker() = default;
