#include "TOVExtAnyConstPointer.h"

TOV_IMPLEMENT_CLASS(TOVExtAnyConstPointer, TOVExtConstPointer)

TOVExtAnyConstPointer::TOVExtAnyConstPointer() : _pObject(nullptr) {}

TOVExtAnyConstPointer::TOVExtAnyConstPointer(const MORBaseUnknown* iPointer) : _pObject(nullptr) {
  SetConstPointer(iPointer);
}

TOVExtAnyConstPointer::TOVExtAnyConstPointer(const TOVExtPointer& iOther) : _pObject(nullptr) {
  SetExtConstPointer(iOther);
}

TOVExtAnyConstPointer::TOVExtAnyConstPointer(const TOVExtAnyConstPointer& iOther)
    : TOVExtConstPointer(), _pObject(nullptr) {
  SetExtConstPointer(iOther);
}

TOVExtAnyConstPointer::~TOVExtAnyConstPointer() = default;

TOVExtAnyConstPointer& TOVExtAnyConstPointer::operator=(const MORBaseUnknown* iPointer) {
  SetConstPointer(iPointer);
  return *this;
}

TOVExtAnyConstPointer& TOVExtAnyConstPointer::operator=(const TOVExtPointer& iOther) {
  SetExtConstPointer(iOther);
  return *this;
}

TOVExtAnyConstPointer& TOVExtAnyConstPointer::operator=(const TOVExtAnyConstPointer& iOther) {
  SetExtConstPointer(iOther);
  return *this;
}

unsigned int TOVExtAnyConstPointer::IsDbNull() const {
  return _pObject == nullptr ? 1 : 0;
}

const MORBaseUnknown* TOVExtAnyConstPointer::GetConstPointer() const {
  return _pObject;
}

const MORBaseUnknown& TOVExtAnyConstPointer::GetConstRef() const {
  CheckIsNotDbNull();
  return *_pObject;
}

void TOVExtAnyConstPointer::SetToDbNull() {
  _pObject = nullptr;
}

void TOVExtAnyConstPointer::SetConstPointer(const MORBaseUnknown* iPointer) {
  _pObject = iPointer;
}

void TOVExtAnyConstPointer::SetExtConstPointer(const TOVExtPointer& iOther) {
  _pObject = iOther.GetConstPointer();
}
