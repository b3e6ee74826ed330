#include "TOVVectorCursor.h"

TOV_IMPLEMENT_CLASS(TOVVectorCursor, TOVCursor)

TOVVectorCursor::~TOVVectorCursor() = default;
