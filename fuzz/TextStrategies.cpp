// Compares and hashes arbitrary texts through the text strategies, held as strings and as
// external values, and checks the rules that containers rely on: the comparators are
// antisymmetric and agree with a plain byte comparison, the two forms of a text compare
// equal, and texts that a comparator calls equal get equal codes from its hash coder.
#include "TOVExtAnyChars.h"
#include "TOVExtAnyString.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVStringExtCharsCmp.h"
#include "TOVStringExtCharsCmpNoCase.h"
#include "TOVStringExtCharsHash.h"
#include "TOVStringExtCharsHashNoCase.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Sign(int v) {
  return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

void Check(bool condition) {
  if (!condition)
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TOVGlobalObjectCleaner* cleaner = new TOVGlobalObjectCleaner;
  (void)cleaner;
  const TOVComparator& cmp = TOVStringExtCharsCmp::GetGlobal();
  const TOVComparator& cmpNoCase = TOVStringExtCharsCmpNoCase::GetGlobal();
  const TOVHashCoder& hash = TOVStringExtCharsHash::GetGlobal();
  const TOVHashCoder& hashNoCase = TOVStringExtCharsHashNoCase::GetGlobal();

  // The input is two texts separated by its first zero byte.
  std::string input(reinterpret_cast<const char*>(data), size);
  size_t cut = input.find('\0');
  std::string first = input.substr(0, cut);
  std::string second = cut == std::string::npos ? std::string() : input.substr(cut + 1);
  second = second.substr(0, second.find('\0'));

  TOVString a(first.c_str()), b(second.c_str());
  TOVExtAnyChars aChars(first.c_str());
  TOVExtAnyString bString(second.c_str());

  const int order = cmp.CompareObjects(&a, &b);
  Check(order == -cmp.CompareObjects(&bString, &aChars));
  Check(order == Sign(std::strcmp(first.c_str(), second.c_str())));
  Check(cmp.CompareObjects(&a, &aChars) == 0 && cmp.CompareObjects(&bString, &b) == 0);
  Check(hash.Code(&a) == hash.Code(&aChars) && hash.Code(&b) == hash.Code(&bString));
  if (order == 0)
    Check(hash.Code(&a) == hash.Code(&bString));

  const int orderNoCase = Sign(cmpNoCase.CompareObjects(&aChars, &bString));
  Check(orderNoCase == -Sign(cmpNoCase.CompareObjects(&b, &a)));
  if (orderNoCase == 0)
    Check(hashNoCase.Code(&a) == hashNoCase.Code(&b));
  if (order == 0)
    Check(orderNoCase == 0);
  return 0;
}
