#include "TOVCursor.h"

TOV_IMPLEMENT_CLASS(TOVCursor, MORBaseUnknown)

TOVCursor::~TOVCursor() = default;
