// Reads arbitrary file contents line by line with the text-file iterator, with a growable
// buffer or a small fixed maximum, and checks every line against a plain model of the
// file: the lines split at line feeds, a carriage return before the line feed dropped,
// each value cut at its first zero byte; with a fixed maximum, a longer line is refused.
//
// The first input byte chooses the mode (bit 0: fixed maximum, bit 1: no line counting),
// the second the fixed maximum (0 to 63); the rest is the file. The line length counts
// every byte of the line without its end, or, with a fixed maximum, those up to a zero byte.
#include "MORError.h"
#include "TOVExtAnyChars.h"
#include "TOVVolatileOneWayIteratorForTextFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "Text-file iterator invariant broken: %s\n", what);
    std::abort();
  }
}

struct ModelLine {
  std::string raw; // without the line feed and a carriage return before it
};

std::vector<ModelLine> Model(const std::string& file) {
  std::vector<ModelLine> lines;
  size_t start = 0;
  while (start < file.size()) {
    size_t end = file.find('\n', start);
    std::string raw;
    if (end == std::string::npos) {
      raw = file.substr(start);
      start = file.size();
    } else {
      raw = file.substr(start, end - start);
      if (!raw.empty() && raw.back() == '\r')
        raw.pop_back();
      start = end + 1;
    }
    lines.push_back({raw});
  }
  return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2)
    return 0;
  const bool fixed = (data[0] & 1) != 0;
  const bool counting = (data[0] & 2) == 0;
  const int maximum = fixed ? data[1] % 64 : -1;
  std::string file(reinterpret_cast<const char*>(data) + 2, size - 2);
  FILE* stream = file.empty() ? std::fopen("/dev/null", "r") : fmemopen(&file[0], file.size(), "r");
  Check(stream != nullptr, "the file opens");

  std::vector<ModelLine> model = Model(file);
  {
    TOVVolatileOneWayIteratorForTextFile it("fuzz.txt", stream, counting ? 0 : -1, maximum,
                                            TOVNLSMsgBldrRfHndlr());
    size_t index = 0;
    bool refused = false;
    // After a refused line the iterator reads on inside it: the model no longer applies,
    // but reading must still end without harm.
    for (size_t calls = 0; calls <= file.size() + 2; ++calls) {
      const MORBaseUnknown* value = nullptr;
      long rc = it.Next(value);
      if (rc != 0) {
        Check(rc < 0 && value == nullptr, "a failure is a failure code without a value");
        Check(fixed, "a growable buffer never refuses a line");
        if (!refused) {
          Check(index < model.size(), "a refused line exists");
          Check(model[index].raw.size() > static_cast<size_t>(maximum),
                "only a line longer than the maximum is refused");
          Check(!counting || it.GetLineNumber() == static_cast<int>(index + 1),
                "the refused line is counted");
        }
        refused = true;
        continue;
      }
      if (value == nullptr) {
        Check(refused || index == model.size(), "the end comes after the last line");
        break;
      }
      if (refused)
        continue;
      Check(index < model.size(), "no more lines than the file has");
      const ModelLine& expected = model[index];
      const auto* chars = static_cast<const TOVExtAnyChars*>(value);
      std::string text = chars->IsDbNull() ? std::string() : std::string(chars->GetChars());
      Check(text == std::string(expected.raw.c_str()), "the line is the model's");
      Check(it.GetLineLength() == (fixed ? std::strlen(expected.raw.c_str()) : expected.raw.size()),
            "the line length counts every byte (up to a zero byte with a fixed maximum)");
      Check(!fixed || expected.raw.size() <= static_cast<size_t>(maximum),
            "a fixed maximum delivers no longer line");
      Check(it.GetLineNumber() == (counting ? static_cast<int>(index + 1) : -1),
            "the line number counts the lines read");
      ++index;
    }
  }
  std::fclose(stream);
  MORCleanLastError();
  return 0;
}
