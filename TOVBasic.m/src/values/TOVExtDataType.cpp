#include "TOVExtDataType.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVExtDataType, MORBaseUnknown)

TOVExtDataType::~TOVExtDataType() = default;

void TOVExtDataType::CheckIsNotDbNull() const {
  if (IsDbNull())
    TOVFatalInternalError("The Value is null");
}
