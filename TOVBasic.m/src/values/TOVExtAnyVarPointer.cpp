#include "TOVExtAnyVarPointer.h"

TOV_IMPLEMENT_CLASS(TOVExtAnyVarPointer, TOVExtVarPointer)

TOVExtAnyVarPointer::TOVExtAnyVarPointer() : _pObject(nullptr) {}

TOVExtAnyVarPointer::TOVExtAnyVarPointer(MORBaseUnknown* iPointer) : _pObject(nullptr) {
  SetVarPointer(iPointer);
}

TOVExtAnyVarPointer::TOVExtAnyVarPointer(const TOVExtVarPointer& iOther) : _pObject(nullptr) {
  SetExtVarPointer(iOther);
}

TOVExtAnyVarPointer::TOVExtAnyVarPointer(const TOVExtAnyVarPointer& iOther)
    : TOVExtVarPointer(), _pObject(nullptr) {
  SetExtVarPointer(iOther);
}

TOVExtAnyVarPointer::~TOVExtAnyVarPointer() = default;

TOVExtAnyVarPointer& TOVExtAnyVarPointer::operator=(MORBaseUnknown* iPointer) {
  SetVarPointer(iPointer);
  return *this;
}

TOVExtAnyVarPointer& TOVExtAnyVarPointer::operator=(const TOVExtVarPointer& iOther) {
  SetExtVarPointer(iOther);
  return *this;
}

TOVExtAnyVarPointer& TOVExtAnyVarPointer::operator=(const TOVExtAnyVarPointer& iOther) {
  SetExtVarPointer(iOther);
  return *this;
}

unsigned int TOVExtAnyVarPointer::IsDbNull() const {
  return _pObject == nullptr ? 1 : 0;
}

const MORBaseUnknown* TOVExtAnyVarPointer::GetConstPointer() const {
  return _pObject;
}

const MORBaseUnknown& TOVExtAnyVarPointer::GetConstRef() const {
  CheckIsNotDbNull();
  return *_pObject;
}

MORBaseUnknown* TOVExtAnyVarPointer::GetVarPointer() const {
  return _pObject;
}

MORBaseUnknown& TOVExtAnyVarPointer::GetVarRef() const {
  CheckIsNotDbNull();
  return *_pObject;
}

void TOVExtAnyVarPointer::SetToDbNull() {
  _pObject = nullptr;
}

void TOVExtAnyVarPointer::SetVarPointer(MORBaseUnknown* iPointer) {
  _pObject = iPointer;
}

void TOVExtAnyVarPointer::SetExtVarPointer(const TOVExtVarPointer& iOther) {
  if (iOther.IsDbNull())
    SetToDbNull();
  else
    _pObject = iOther.GetVarPointer();
}
