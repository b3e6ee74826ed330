#include "TOVUpperCharData.h"

TOV_IMPLEMENT_CLASS(TOVUpperCharData, TOVCharData)

TOVUpperCharData::TOVUpperCharData(const char* name, unsigned int iSetOnce)
    : TOVCharData(name, iSetOnce) {}

TOVUpperCharData::TOVUpperCharData(const char* name, const char* value, unsigned int iSetOnce)
    : TOVCharData(name, iSetOnce) {
  TOVUpperCharData::SetValue(value);
}

TOVUpperCharData::~TOVUpperCharData() = default;

void TOVUpperCharData::SetValue(const char* value) {
  TOVString upper(value);
  upper.ToUpper();
  TOVCharData::SetValue(upper);
}
