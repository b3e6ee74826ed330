// Reads arbitrary bytes as a graph file with tovgraph's reader, builds the graph and
// prints its steps, checking them against a plain model of the file: lines split at line
// feeds (a carriage return before one dropped), a line holding a zero byte or more than
// two words refused with its number, "#" starting a comment, and every identifier printed
// once, in quotes, with '"' and '\' escaped, so that reading the listing back gives the
// identifiers of the file.
#include "FuzzText.h"
#include "MORUnicodeString.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplay.h"
#include "TovGraph.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

using fuzztext::Check;

namespace {

/// Keeps what it is given as UTF-8 text.
class TextDisplay : public TOVMessageDisplay {
public:
  void Display(const MORUnicodeString& msg, unsigned int iNewLine) override {
    text += MORUnicodeString::EncodeUtf8(msg, msg.GetLengthInChar());
    if (iNewLine != 0)
      text += '\n';
  }
  std::string text;
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

/// What the reader should make of the file: the refused line's message id and number, or
/// the distinct identifiers and how the display shows them (decoded and encoded again:
/// a byte that is no UTF-8 shows as the character of its value, so two identifiers may
/// show alike).
struct Model {
  std::string refusal;
  int line = 0;
  std::set<std::string> identifiers, shown;
};

Model Expect(const std::string& file) {
  Model model;
  size_t start = 0;
  while (start < file.size()) {
    ++model.line;
    size_t end = file.find('\n', start);
    std::string line = file.substr(start, end == std::string::npos ? end : end - start);
    start = end == std::string::npos ? file.size() : end + 1;
    if (line.find('\0') != std::string::npos) {
      model.refusal = "0013";
      return model;
    }
    line = line.substr(0, line.find('#'));
    std::vector<std::string> words;
    for (size_t i = 0; i < line.size();) {
      if (IsBlank(line[i])) {
        ++i;
        continue;
      }
      size_t first = i;
      while (i < line.size() && !IsBlank(line[i]))
        ++i;
      words.push_back(line.substr(first, i - first));
    }
    if (words.size() > 2) {
      model.refusal = "0012";
      return model;
    }
    for (const std::string& word : words) {
      MORUnicodeString shown(word.c_str());
      model.identifiers.insert(word);
      model.shown.insert(MORUnicodeString::EncodeUtf8(shown, shown.GetLengthInChar()));
    }
  }
  return model;
}

/// The identifiers of a listing of steps, their escapes undone; checks its layout.
std::vector<std::string> ReadBack(const std::string& listing) {
  std::vector<std::string> identifiers;
  size_t i = 0;
  while (i < listing.size()) {
    size_t colon = listing.find(": \"", i);
    Check(colon != std::string::npos && colon > i, "a step line starts with its rank");
    for (size_t d = i; d < colon; ++d)
      Check(listing[d] >= '0' && listing[d] <= '9', "the rank is a number");
    i = colon + 1;
    while (listing[i] == ' ') {
      Check(listing[i + 1] == '"', "an identifier is quoted");
      std::string identifier;
      for (i += 2; listing[i] != '"'; ++i) {
        Check(listing[i] != '\n', "a quote ends each identifier");
        if (listing[i] == '\\')
          ++i;
        identifier += listing[i];
      }
      identifiers.push_back(identifier);
      ++i;
    }
    Check(listing[i] == '\n', "a step line ends after its identifiers");
    ++i;
  }
  return identifiers;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The reader's shared objects live as long as the process.
  static TOVGlobalObjectCleaner cleaner;
  std::string file(reinterpret_cast<const char*>(data), size);
  FILE* stream = file.empty() ? std::fopen("/dev/null", "r") : fmemopen(&file[0], file.size(), "r");
  Check(stream != nullptr, "the file opens");
  Model model = Expect(file);
  {
    TovGraph graph(16);
    long rc = graph.Read(stream, "fuzz.graph");
    Check((rc != 0) == !model.refusal.empty(), "a line is refused when the model refuses it");
    if (rc != 0) {
      Check(fuzztext::TakePendingMsgId(rc) == model.refusal, "the refusal says why");
    } else {
      graph.Build();
      TextDisplay display;
      graph.DisplaySteps(display);
      std::vector<std::string> shown = ReadBack(display.text);
      Check(shown.size() == model.identifiers.size(), "each identifier is shown once");
      Check(std::set<std::string>(shown.begin(), shown.end()) == model.shown,
            "the listing reads back as the file's identifiers");
    }
  }
  std::fclose(stream);
  MORCleanLastError();
  return 0;
}
