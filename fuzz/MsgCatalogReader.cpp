// Feeds arbitrary bytes to the message catalog reader, as text in memory and as a file,
// then builds every message it finds with arbitrary parameters.
#include "MORMsgCatalog.h"
#include "MORUnicodeString.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The directory of the catalog file written for each input.
const std::string& WorkDir() {
  static std::string dir = [] {
    char pattern[] = "/tmp/fuzz_catalog.XXXXXX";
    const char* made = mkdtemp(pattern);
    return std::string(made != nullptr ? made : "/tmp");
  }();
  return dir;
}

// Candidate message ids: the first word of every line, as a reader would see it.
std::vector<std::string> CandidateIds(const std::string& text) {
  std::vector<std::string> ids;
  size_t pos = 0;
  while (pos < text.size() && ids.size() < 64) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos)
      end = text.size();
    std::string line = text.substr(pos, end - pos);
    size_t eq = line.find('=');
    std::string key = line.substr(0, eq);
    size_t first = key.find_first_not_of(" \t");
    size_t last = key.find_last_not_of(" \t");
    if (first != std::string::npos)
      ids.push_back(key.substr(first, last - first + 1));
    pos = end + 1;
  }
  return ids;
}

void Exercise(const MORMsgCatalog& catalog, const std::vector<std::string>& ids,
              const std::vector<MORUnicodeString>& params) {
  for (const std::string& id : ids) {
    MORMsg msg = catalog.GetCatalogMsg(id.c_str());
    if (msg.IsEmpty())
      continue;
    if (msg.GetMaxParamIndex() < 0 || msg.GetMaxParamIndex() > 9)
      abort();
    for (int count = 0; count <= static_cast<int>(params.size()); ++count) {
      MORUnicodeString text = msg.BuildMessage(params.data(), count);
      const char* narrow = text;
      if (narrow == nullptr)
        abort();
    }
  }
  (void)catalog.GetError();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Input: catalog text, then optionally "\x00\xFF" and parameters split on "\x00".
  std::string input(reinterpret_cast<const char*>(data), size);
  std::string text = input;
  std::vector<MORUnicodeString> params;
  size_t split = input.find(std::string("\x00\xFF", 2));
  if (split != std::string::npos) {
    text = input.substr(0, split);
    std::string rest = input.substr(split + 2);
    size_t pos = 0;
    while (pos <= rest.size() && params.size() < 12) {
      size_t end = rest.find('\0', pos);
      if (end == std::string::npos)
        end = rest.size();
      params.emplace_back(rest.substr(pos, end - pos).c_str());
      pos = end + 1;
    }
  }
  std::vector<std::string> ids = CandidateIds(text);

  MORMsgCatalog inMemory;
  inMemory.LoadMsgCatalogFromText("FUZZ", text.data(), text.size(), "memory");
  Exercise(inMemory, ids, params);

  std::string path = WorkDir() + "/FUZZ.msg";
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file != nullptr) {
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    MORMsgCatalog fromFile;
    fromFile.LoadMsgCatalog("FUZZ", WorkDir().c_str());
    if (fromFile.GetMsgCount() != inMemory.GetMsgCount())
      abort(); // the file and the memory reader must agree
    Exercise(fromFile, ids, params);
  }

  // The decoder and encoder see the raw bytes too: decoding then encoding then decoding
  // again must be stable.
  std::u16string wide = MORUnicodeString::DecodeUtf8(input.data(), input.size());
  std::string narrow = MORUnicodeString::EncodeUtf8(wide.data(), wide.size());
  if (MORUnicodeString::DecodeUtf8(narrow.data(), narrow.size()) != wide)
    abort();
  return 0;
}
