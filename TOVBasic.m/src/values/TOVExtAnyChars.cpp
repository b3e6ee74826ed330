#include "TOVExtAnyChars.h"

TOV_IMPLEMENT_CLASS(TOVExtAnyChars, TOVExtChars)

TOVExtAnyChars::TOVExtAnyChars() : _pChars(nullptr) {}

TOVExtAnyChars::TOVExtAnyChars(const char* iChars) : _pChars(nullptr) {
  SetChars(iChars);
}

TOVExtAnyChars::TOVExtAnyChars(const TOVExtChars& iOther) : _pChars(nullptr) {
  SetExtChars(iOther);
}

TOVExtAnyChars::TOVExtAnyChars(const TOVExtAnyChars& iOther) : TOVExtChars(), _pChars(nullptr) {
  SetExtChars(iOther);
}

TOVExtAnyChars::~TOVExtAnyChars() = default;

TOVExtAnyChars& TOVExtAnyChars::operator=(const char* iChars) {
  SetChars(iChars);
  return *this;
}

TOVExtAnyChars& TOVExtAnyChars::operator=(const TOVExtChars& iOther) {
  SetExtChars(iOther);
  return *this;
}

TOVExtAnyChars& TOVExtAnyChars::operator=(const TOVExtAnyChars& iOther) {
  SetExtChars(iOther);
  return *this;
}

unsigned int TOVExtAnyChars::IsDbNull() const {
  return _pChars == nullptr || *_pChars == '\0' ? 1 : 0;
}

const char* TOVExtAnyChars::GetChars() const {
  CheckIsNotDbNull();
  return _pChars;
}

void TOVExtAnyChars::SetToDbNull() {
  _pChars = nullptr;
}

void TOVExtAnyChars::SetChars(const char* iChars) {
  _pChars = iChars;
}

void TOVExtAnyChars::SetExtChars(const TOVExtChars& iOther) {
  if (iOther.IsDbNull())
    SetToDbNull();
  else
    _pChars = iOther.GetChars();
}
