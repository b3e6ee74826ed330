#include "TOVExtDbNullDate.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVExtDbNullDate, TOVExtDate)

TOVExtDbNullDate::~TOVExtDbNullDate() = default;

unsigned int TOVExtDbNullDate::IsDbNull() const {
  return 1;
}

const TOVDate& TOVExtDbNullDate::GetDate() const {
  TOVFatalInternalError("No GetDate() for a TOVExtDbNullDate");
}
