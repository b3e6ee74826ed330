#include "TOVExtBoolean.h"

TOV_IMPLEMENT_CLASS(TOVExtBoolean, TOVExtDataType)

TOVExtBoolean::~TOVExtBoolean() = default;
