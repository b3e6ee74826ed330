#include "TOVExtDbNullInteger.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVExtDbNullInteger, TOVExtInteger)

TOVExtDbNullInteger::~TOVExtDbNullInteger() = default;

unsigned int TOVExtDbNullInteger::IsDbNull() const {
  return 1;
}

int TOVExtDbNullInteger::GetInteger() const {
  TOVFatalInternalError("No GetInteger() for a TOVExtDbNullInteger");
}
