// Feeds arbitrary typed values to prefixed-value checkers and compares every answer (the
// prefix and value found, or the message id of the error) with a reference written here;
// every error is built whole, advice included, so that texts of any bytes are shown.
//
// Input: the first byte chooses the checker (prefix required, optional, or defaulting to
// "N") and the lengths of prefix "L"; the rest, up to a NUL, is the typed value.
#include "FuzzText.h"
#include "TOVError.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVInputPrefixedValueChecker.h"
#include "TOVNLSMsgBldrFromString.h"
#include "TOVRaiseError.h"
#include "TOVVector.h"

#include <cstdint>
#include <string>

using fuzztext::Check;

namespace {

/// What a check gives: "=" code ":" value on success (code "-" without prefix), else the
/// diagnostic's message id.
struct Answer {
  std::string text;
  bool operator==(const Answer& other) const { return text == other.text; }
};

Answer Success(const TOVInputValuePrefix* prefix, const std::string& value) {
  return {"=" + std::string(prefix != nullptr ? static_cast<const char*>(prefix->GetCode()) : "-") +
          ":" + value};
}

/// The answer the rules give for input.
Answer Reference(const std::string& input, unsigned int optional,
                 const TOVInputValuePrefix* defaultPrefix, const TOVInputValuePrefix* const* set,
                 int count) {
  size_t colon = input.find(':');
  std::string prefixText = colon == std::string::npos ? "" : input.substr(0, colon);
  std::string value = colon == std::string::npos ? input : input.substr(colon + 1);
  const TOVInputValuePrefix* prefix = nullptr;
  if (prefixText.empty()) {
    if (optional)
      return Success(nullptr, input);
    if (defaultPrefix == nullptr)
      return {"0310"};
    prefix = defaultPrefix;
  } else {
    for (int i = 0; i < count && prefix == nullptr; ++i)
      if (prefixText == static_cast<const char*>(set[i]->GetCode()))
        prefix = set[i];
    if (prefix == nullptr)
      return optional ? Success(nullptr, input) : Answer{"0313"};
  }
  long length = static_cast<long>(value.size());
  int minimum = prefix->GetValueLengthMini(), maximum = prefix->GetValueLengthMaxi();
  if (minimum == maximum)
    return length == maximum ? Success(prefix, value) : Answer{"0314"};
  if (maximum < 0)
    return length >= minimum ? Success(prefix, value) : Answer{"0320"};
  return length >= minimum && length <= maximum ? Success(prefix, value) : Answer{"0317"};
}

/// The diagnostic id of the pending error of rc, after building its whole text.
std::string TakeError(long rc) {
  MORError* error = MORGetLastError(rc, nullptr);
  Check(error != nullptr && error->IsAKindOf("TOVError"), "a failure has its pending TOVError");
  auto* tovError = static_cast<TOVError*>(error);
  Check(tovError->GetReturnCode() == E_FAIL && tovError->GetType() == MORCriticalError,
        "a critical error of E_FAIL");
  Check(tovError->GetHAdviceBldr().Get() != nullptr, "the advice lists the prefixes");
  MORUnicodeString text = tovError->GetNLSMessage();
  Check(text.GetLengthInChar() > 0, "the error has a text");
  std::string id = tovError->GetHDiagnosticBldr()->GetMsgId();
  error->Release();
  MORCleanLastError();
  return id;
}

TOVNLSMsgBldrRfHndlr Name(const char* text) {
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef, new TOVNLSMsgBldrFromString(text, "F", "0"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TOVGlobalObjectCleaner cleaner;
  if (size == 0)
    return 0;
  const int shape = data[0];
  const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string input = rest.substr(0, rest.find('\0'));

  // "L" takes 0 to 3 characters at least and, unless bit 6 is set, at most 0 to 15 more.
  const int minimum = (shape >> 2) & 3;
  TOVInputValuePrefix l("L", Name("long \xff name"), minimum,
                        (shape & 64) ? -1 : minimum + ((shape >> 4) & 3) * 5);
  TOVInputValuePrefix n("N", Name("number"), 3, 3);
  TOVInputValuePrefix word("WORD", TOVNLSMsgBldrRfHndlr(), 0, -1);
  const TOVInputValuePrefix* const set[] = {&l, &n, &word};
  TOVVector prefixes(TOVContainerNothingAtDelete);
  for (const TOVInputValuePrefix* prefix : set)
    prefixes.Add(const_cast<TOVInputValuePrefix*>(prefix), 0);

  const int kind = shape & 3;
  const unsigned int optional = kind == 1 ? 1 : 0;
  const TOVInputValuePrefix* defaultPrefix = kind == 2 ? &n : nullptr;
  TOVInputPrefixedValueChecker withDefault(prefixes, n), withoutDefault(prefixes, optional);
  const TOVInputPrefixedValueChecker& checker = kind == 2 ? withDefault : withoutDefault;
  const TOVInputValuePrefix* found = &word;
  TOVString value("stale");
  long rc = checker.Check(input.c_str(), found, value, TOVCatalogMsg("TOVBC", "0100"));
  Answer answer = rc == 0
                      ? Success(found, std::string(static_cast<const char*>(value), value.Length()))
                      : Answer{TakeError(rc)};
  Check(answer == Reference(input, optional, defaultPrefix, set, 3),
        "the checker answers as the rules say");

  TOVString prefixText, valueText;
  TOVInputPrefixedValueChecker::CutInputValue(input.c_str(), prefixText, valueText);
  Check(prefixText.Length() + valueText.Length() + (input.find(':') != std::string::npos ? 1 : 0) ==
            static_cast<int>(input.size()),
        "the cut keeps every byte but the separator");
  return 0;
}
