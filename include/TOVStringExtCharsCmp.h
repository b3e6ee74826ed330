// Comparator of text objects, case respected.
#ifndef TOVSTRINGEXTCHARSCMP_H
#define TOVSTRINGEXTCHARSCMP_H

#include "TOVComparator.h"

/// Orders TOVString and TOVExtChars objects, mixed freely, by their text: the empty text
/// (and a null external value) first, then by unsigned bytes.
class TOVBASIC_API TOVStringExtCharsCmp : public TOVComparator {
  TOV_DECLARE_CLASS(TOVStringExtCharsCmp)
public:
  TOVStringExtCharsCmp() = default;
  ~TOVStringExtCharsCmp() override;

  /// -1, 0 or 1. Both objects must be text objects.
  int CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVStringExtCharsCmp& GetGlobal();

private:
  static TOVStringExtCharsCmp* _pGlobal;
};

#endif
