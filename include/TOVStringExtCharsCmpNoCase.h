// Comparator of text objects, case ignored.
#ifndef TOVSTRINGEXTCHARSCMPNOCASE_H
#define TOVSTRINGEXTCHARSCMPNOCASE_H

#include "TOVComparator.h"

/// Orders TOVString and TOVExtChars objects, mixed freely, by their text with case
/// ignored: the empty text (and a null external value) first, then as strcasecmp does.
class TOVBASIC_API TOVStringExtCharsCmpNoCase : public TOVComparator {
  TOV_DECLARE_CLASS(TOVStringExtCharsCmpNoCase)
public:
  TOVStringExtCharsCmpNoCase() = default;
  ~TOVStringExtCharsCmpNoCase() override;

  /// Negative, 0 or positive. Both objects must be text objects.
  int CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVStringExtCharsCmpNoCase& GetGlobal();

private:
  static TOVStringExtCharsCmpNoCase* _pGlobal;
};

#endif
