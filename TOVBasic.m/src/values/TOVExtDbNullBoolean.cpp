#include "TOVExtDbNullBoolean.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVExtDbNullBoolean, TOVExtBoolean)

TOVExtDbNullBoolean::~TOVExtDbNullBoolean() = default;

unsigned int TOVExtDbNullBoolean::IsDbNull() const {
  return 1;
}

unsigned int TOVExtDbNullBoolean::GetBoolean() const {
  TOVFatalInternalError("No GetBoolean() for a TOVExtDbNullBoolean");
}
