#include "TOVExtDate.h"

TOV_IMPLEMENT_CLASS(TOVExtDate, TOVExtDataType)

TOVExtDate::~TOVExtDate() = default;
