#include "TOVExtAnyDate.h"

TOV_IMPLEMENT_CLASS(TOVExtAnyDate, TOVExtDate)

TOVExtAnyDate::TOVExtAnyDate() : _IsNull(1) {}

TOVExtAnyDate::TOVExtAnyDate(const TOVDate& iDate) : _IsNull(1) {
  SetDate(iDate);
}

TOVExtAnyDate::TOVExtAnyDate(const TOVExtDate& iOther) : _IsNull(1) {
  SetExtDate(iOther);
}

TOVExtAnyDate::TOVExtAnyDate(const TOVExtAnyDate& iOther) : TOVExtDate(), _IsNull(1) {
  SetExtDate(iOther);
}

TOVExtAnyDate::~TOVExtAnyDate() = default;

TOVExtAnyDate& TOVExtAnyDate::operator=(const TOVDate& iDate) {
  SetDate(iDate);
  return *this;
}

TOVExtAnyDate& TOVExtAnyDate::operator=(const TOVExtDate& iOther) {
  SetExtDate(iOther);
  return *this;
}

TOVExtAnyDate& TOVExtAnyDate::operator=(const TOVExtAnyDate& iOther) {
  SetExtDate(iOther);
  return *this;
}

unsigned int TOVExtAnyDate::IsDbNull() const {
  return _IsNull != 0 ? 1 : 0;
}

const TOVDate& TOVExtAnyDate::GetDate() const {
  CheckIsNotDbNull();
  return _Value;
}

void TOVExtAnyDate::SetToDbNull() {
  _IsNull = 1;
}

void TOVExtAnyDate::SetDate(const TOVDate& iDate) {
  _IsNull = 0;
  _Value = iDate;
}

void TOVExtAnyDate::SetExtDate(const TOVExtDate& iOther) {
  if (iOther.IsDbNull())
    SetToDbNull();
  else
    SetDate(iOther.GetDate());
}

TOVDate& TOVExtAnyDate::Date() {
  return _Value;
}
