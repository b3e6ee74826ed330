#include "TOVExtAnyInteger.h"

TOV_IMPLEMENT_CLASS(TOVExtAnyInteger, TOVExtInteger)

TOVExtAnyInteger::TOVExtAnyInteger() : _IsNull(1), _Value(0) {}

TOVExtAnyInteger::TOVExtAnyInteger(int iValue) : _IsNull(1), _Value(0) {
  SetInteger(iValue);
}

TOVExtAnyInteger::TOVExtAnyInteger(const TOVExtInteger& iOther) : _IsNull(1), _Value(0) {
  SetExtInteger(iOther);
}

TOVExtAnyInteger::TOVExtAnyInteger(const TOVExtAnyInteger& iOther)
    : TOVExtInteger(), _IsNull(1), _Value(0) {
  SetExtInteger(iOther);
}

TOVExtAnyInteger::~TOVExtAnyInteger() = default;

TOVExtAnyInteger& TOVExtAnyInteger::operator=(int iValue) {
  SetInteger(iValue);
  return *this;
}

TOVExtAnyInteger& TOVExtAnyInteger::operator=(const TOVExtInteger& iOther) {
  SetExtInteger(iOther);
  return *this;
}

TOVExtAnyInteger& TOVExtAnyInteger::operator=(const TOVExtAnyInteger& iOther) {
  SetExtInteger(iOther);
  return *this;
}

unsigned int TOVExtAnyInteger::IsDbNull() const {
  return _IsNull != 0 ? 1 : 0;
}

int TOVExtAnyInteger::GetInteger() const {
  CheckIsNotDbNull();
  return _Value;
}

void TOVExtAnyInteger::SetToDbNull() {
  _IsNull = 1;
}

void TOVExtAnyInteger::SetInteger(int iValue) {
  _IsNull = 0;
  _Value = iValue;
}

void TOVExtAnyInteger::SetExtInteger(const TOVExtInteger& iOther) {
  if (iOther.IsDbNull())
    SetToDbNull();
  else
    SetInteger(iOther.GetInteger());
}
