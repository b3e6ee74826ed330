#include "TOVCharData.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVCharData, MORBaseUnknown)

TOVCharData::TOVCharData(const char* name, unsigned int iSetOnce)
    : _Name(name), _SetOnce(iSetOnce), _Defined(0) {}

TOVCharData::TOVCharData(const char* name, const char* value, unsigned int iSetOnce)
    : _Name(name), _SetOnce(iSetOnce), _Defined(1), _Value(value) {}

TOVCharData::~TOVCharData() = default;

const TOVString& TOVCharData::GetName() const {
  return _Name;
}

unsigned int TOVCharData::IsDefined() const {
  return _Defined;
}

void TOVCharData::SetValue(const char* value) {
  if (_SetOnce && _Defined)
    TOVFatalInternalError("TOVCharData::SetValue(): ", static_cast<const char*>(_Name),
                          ": The value is already defined");
  _Value = value;
  _Defined = 1;
}

const TOVString& TOVCharData::GetValue() const {
  if (!_Defined)
    TOVFatalInternalError("TOVCharData::GetValue(): ", static_cast<const char*>(_Name),
                          ": The value must be defined");
  return _Value;
}
