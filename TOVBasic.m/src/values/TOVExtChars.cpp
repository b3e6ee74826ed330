#include "TOVExtChars.h"

TOV_IMPLEMENT_CLASS(TOVExtChars, TOVExtDataType)

TOVExtChars::~TOVExtChars() = default;
