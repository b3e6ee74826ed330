#include "TOVTreeIteratorElementConvToCaseName.h"

TOV_IMPLEMENT_CLASS(TOVTreeIteratorElementConvToCaseName, MORBaseUnknown)

TOVTreeIteratorElementConvToCaseName::~TOVTreeIteratorElementConvToCaseName() = default;
