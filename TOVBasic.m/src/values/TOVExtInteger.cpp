#include "TOVExtInteger.h"

TOV_IMPLEMENT_CLASS(TOVExtInteger, TOVExtDataType)

TOVExtInteger::~TOVExtInteger() = default;
