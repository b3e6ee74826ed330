// Feeds arbitrary lists of texts to the merging-mode checker and compares its verdict with
// a reference written here: each text must be blanks, an optional sign and decimal digits
// only, of a value from 1 to 4; the first that is not is the one reported.
//
// Input: the texts separated by NUL bytes.
#include "FuzzText.h"
#include "TOVError.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVInputGuiMergingModeChecker.h"
#include "TOVParamNLSMsgBldrCtlg.h"
#include "TOVRaiseError.h"
#include "TOVVector.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

using fuzztext::Check;

namespace {

/// 1 when text is a whole decimal number from 1 to 4, with its value in oValue.
bool IsMode(const std::string& text, int& oValue) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    negative = text[i++] == '-';
  if (i == text.size())
    return false;
  long value = 0;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i])))
      return false;
    value = value * 10 + (text[i] - '0');
    if (value > 10)
      return false; // already out of range, and no sign makes it a mode
  }
  oValue = static_cast<int>(negative ? -value : value);
  return oValue >= 1 && oValue <= 4;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TOVGlobalObjectCleaner cleaner;
  std::vector<std::string> texts;
  const std::string all(reinterpret_cast<const char*>(data), size);
  for (size_t start = 0; size > 0 && start <= all.size();) {
    size_t end = all.find('\0', start);
    if (end == std::string::npos)
      end = all.size();
    texts.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  TOVVector values(TOVContainerDestroyAtDelete);
  for (const std::string& text : texts)
    values.Add(new TOVString(text.c_str()), 0);

  long rc = TOVInputGuiMergingModeChecker().Check(values, TOVCatalogMsg("TOVBC", "0100"));
  size_t firstBad = 0;
  int mode = 0;
  while (firstBad < texts.size() && IsMode(texts[firstBad], mode))
    ++firstBad;
  if (firstBad == texts.size()) {
    Check(rc == 0, "a list of modes passes");
    return 0;
  }
  Check(rc == E_FAIL, "a list with a wrong mode fails with E_FAIL");
  MORError* error = MORGetLastError(rc, nullptr);
  Check(error != nullptr && error->IsAKindOf("TOVError"), "a failure has its pending TOVError");
  auto* tovError = static_cast<TOVError*>(error);
  auto* diagnostic = static_cast<TOVParamNLSMsgBldrCtlg*>(tovError->GetHDiagnosticBldr().Get());
  Check(std::string(diagnostic->GetMsgId()) == "0023" && diagnostic->GetNbParameters() == 2,
        "the diagnostic is 0023 with the number and the allowed modes");
  Check(tovError->GetNLSMessage().GetLengthInChar() > 0, "the error has a text");
  error->Release();
  MORCleanLastError();
  return 0;
}
