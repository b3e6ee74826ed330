// A named text value kept in upper case.
#ifndef TOVUPPERCHARDATA_H
#define TOVUPPERCHARDATA_H

#include "TOVCharData.h"

class TOVBASIC_API TOVUpperCharData : public TOVCharData {
  TOV_DECLARE_CLASS(TOVUpperCharData)

public:
  /// Not defined yet.
  TOVUpperCharData(const char* name, unsigned int iSetOnce);
  /// Defined with value in upper case.
  TOVUpperCharData(const char* name, const char* value, unsigned int iSetOnce);
  ~TOVUpperCharData() override;

  /// Stores value converted to upper case (TOVString::ToUpper), with the set-once rule of
  /// TOVCharData.
  void SetValue(const char* value) override;
};

#endif
