#include "TOVListCursor.h"

TOV_IMPLEMENT_CLASS(TOVListCursor, TOVCursor)

TOVListCursor::~TOVListCursor() = default;
