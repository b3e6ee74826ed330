#include "TOVExtAnyBoolean.h"

TOV_IMPLEMENT_CLASS(TOVExtAnyBoolean, TOVExtBoolean)

TOVExtAnyBoolean::TOVExtAnyBoolean() : _IsNull(1), _Value(0) {}

TOVExtAnyBoolean::TOVExtAnyBoolean(unsigned int iValue) : _IsNull(1), _Value(0) {
  SetBoolean(iValue);
}

TOVExtAnyBoolean::TOVExtAnyBoolean(const TOVExtBoolean& iOther) : _IsNull(1), _Value(0) {
  SetExtBoolean(iOther);
}

TOVExtAnyBoolean::TOVExtAnyBoolean(const TOVExtAnyBoolean& iOther)
    : TOVExtBoolean(), _IsNull(1), _Value(0) {
  SetExtBoolean(iOther);
}

TOVExtAnyBoolean::~TOVExtAnyBoolean() = default;

TOVExtAnyBoolean& TOVExtAnyBoolean::operator=(unsigned int iValue) {
  SetBoolean(iValue);
  return *this;
}

TOVExtAnyBoolean& TOVExtAnyBoolean::operator=(const TOVExtBoolean& iOther) {
  SetExtBoolean(iOther);
  return *this;
}

TOVExtAnyBoolean& TOVExtAnyBoolean::operator=(const TOVExtAnyBoolean& iOther) {
  SetExtBoolean(iOther);
  return *this;
}

unsigned int TOVExtAnyBoolean::IsDbNull() const {
  return _IsNull != 0 ? 1 : 0;
}

unsigned int TOVExtAnyBoolean::GetBoolean() const {
  CheckIsNotDbNull();
  return _Value;
}

void TOVExtAnyBoolean::SetToDbNull() {
  _IsNull = 1;
}

void TOVExtAnyBoolean::SetBoolean(unsigned int iValue) {
  _IsNull = 0;
  _Value = iValue;
}

void TOVExtAnyBoolean::SetExtBoolean(const TOVExtBoolean& iOther) {
  if (iOther.IsDbNull())
    SetToDbNull();
  else
    SetBoolean(iOther.GetBoolean());
}
