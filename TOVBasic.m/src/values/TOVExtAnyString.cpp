#include "TOVExtAnyString.h"

TOV_IMPLEMENT_CLASS(TOVExtAnyString, TOVExtChars)

TOVExtAnyString::TOVExtAnyString() = default;

TOVExtAnyString::TOVExtAnyString(const char* iChars) {
  SetChars(iChars);
}

TOVExtAnyString::TOVExtAnyString(const TOVString& iString) {
  SetString(iString);
}

TOVExtAnyString::TOVExtAnyString(const TOVExtChars& iOther) {
  SetExtChars(iOther);
}

TOVExtAnyString::TOVExtAnyString(const TOVExtAnyString& iOther) : TOVExtChars() {
  SetExtChars(iOther);
}

TOVExtAnyString::~TOVExtAnyString() = default;

TOVExtAnyString& TOVExtAnyString::operator=(const char* iChars) {
  SetChars(iChars);
  return *this;
}

TOVExtAnyString& TOVExtAnyString::operator=(const TOVString& iString) {
  SetString(iString);
  return *this;
}

TOVExtAnyString& TOVExtAnyString::operator=(const TOVExtChars& iOther) {
  SetExtChars(iOther);
  return *this;
}

TOVExtAnyString& TOVExtAnyString::operator=(const TOVExtAnyString& iOther) {
  SetExtChars(iOther);
  return *this;
}

unsigned int TOVExtAnyString::IsDbNull() const {
  const char* text = _Value;
  return text == nullptr || *text == '\0' ? 1 : 0;
}

const char* TOVExtAnyString::GetChars() const {
  CheckIsNotDbNull();
  return _Value;
}

void TOVExtAnyString::SetToDbNull() {
  _Value = static_cast<const char*>(nullptr);
}

void TOVExtAnyString::SetChars(const char* iChars) {
  _Value = iChars;
}

void TOVExtAnyString::SetString(const TOVString& iString) {
  _Value = iString;
}

void TOVExtAnyString::SetExtChars(const TOVExtChars& iOther) {
  if (iOther.IsDbNull())
    SetToDbNull();
  else if (iOther.GetMetaObject()->IsAKindOf(TOVExtAnyString::MetaObject()))
    SetString(static_cast<const TOVExtAnyString&>(iOther).GetString());
  else
    SetChars(iOther.GetChars());
}

const TOVString& TOVExtAnyString::GetString() const {
  CheckIsNotDbNull();
  return _Value;
}

TOVString& TOVExtAnyString::String() {
  return _Value;
}
