// Builds catalog messages with arbitrary parameters (any bytes, "%" signs, bytes that are
// not UTF-8), set in any order, and lays the result out as the terminal error displays
// do. Checks that a build never loses the marks of a wrong parameter count and that the
// code page 850 form has one byte per character.
#include "MORError.h"
#include "TOVError.h"
#include "TOVErrorDisplayToOemTerm.h"
#include "TOVParamNLSMsgBldrCtlgRfHndlr.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Library messages with 0 to 4 parameters, and ids or catalogs that do not exist.
const char* const Messages[][2] = {{"TOVBC", "0100"},  {"TOVBC", "0001"}, {"TOVBC", "0201"},
                                   {"TOVBC", "0215"},  {"TOVBC", "0016"}, {"TOVSYS", "UNEXPECTED"},
                                   {"TOVCOM", "FULL"}, {"TOVBC", "9999"}, {"NOSUCHCATALOG", "0001"},
                                   {"TOVSOCK", "BIND"}};

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "Message building invariant broken: %s\n", what);
    std::abort();
  }
}

// Consumes one byte of the input, 0 when it is exhausted.
uint8_t Take(const uint8_t*& data, size_t& size) {
  if (size == 0)
    return 0;
  --size;
  return *data++;
}

// Consumes a parameter: a length byte and up to that many bytes.
std::string TakeText(const uint8_t*& data, size_t& size) {
  size_t length = Take(data, size) % 64;
  if (length > size)
    length = size;
  std::string text(reinterpret_cast<const char*>(data), length);
  data += length;
  size -= length;
  return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto& message = Messages[Take(data, size) % (sizeof Messages / sizeof Messages[0])];
  TOVParamNLSMsgBldrCtlgRfHndlr builder(TOVRfHndlrNoAddRef,
                                        new TOVParamNLSMsgBldrCtlg(message[0], message[1]));
  int steps = Take(data, size) % 16;
  for (int step = 0; step < steps && size > 0; ++step) {
    uint8_t how = Take(data, size);
    std::string text = TakeText(data, size);
    int index = how % 24;
    switch ((how / 24) % 8) {
    case 0:
      builder->AddNewParameter(text.c_str());
      break;
    case 1:
      builder->AddNewParameter(TOVString(text.c_str()));
      break;
    case 2:
      builder->AddNewParameter(MORUnicodeString(text.c_str()));
      break;
    case 3:
      builder->AddNewParameter(static_cast<int>(how) * 1000003 - 77);
      break;
    case 4:
      builder->SetParameter(index, text.c_str());
      break;
    case 5:
      builder->SetParameter(index, static_cast<int>(how));
      break;
    case 6:
      builder->ClearParameterArray();
      break;
    default:
      builder->Build();
      break;
    }
  }
  MORUnicodeString text = builder->Build();
  std::string narrow = MORUnicodeString::EncodeUtf8(text, text.GetLengthInChar());
  if (builder->GetLastErrorMsg().Length() > 0)
    Check(narrow.find("!!!") != std::string::npos, "a problem without mark");

  TOVError error("fuzz.cpp", 1, builder, builder, builder,
                 static_cast<MORErrorType>(Take(data, size) % 5), E_FAIL);
  MORUnicodeString shown = TOVErrorDisplayToTerm::MakeMsgTxt(error);
  std::string oem = TOVErrorDisplayToOemTerm::ConvertToOem(shown);
  size_t characters = 0;
  const char16_t* units = shown;
  for (int i = 0; i < shown.GetLengthInChar(); ++i)
    if (units[i] < 0xDC00 || units[i] > 0xDFFF || i == 0 || units[i - 1] < 0xD800 ||
        units[i - 1] > 0xDBFF)
      ++characters;
  Check(oem.size() == characters, "code page 850 form not one byte per character");
  return 0;
}
