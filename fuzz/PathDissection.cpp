// Splits arbitrary bytes as file names and paths, replaces their separators and compares
// them, checking that the pieces put together give the input back and that a path with
// its separators replaced still compares equal to it.
#include "FuzzText.h"
#include "TOVFileUtilities.h"

#include <cstring>
#include <string>

using fuzztext::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Paths are C texts: they end at the first NUL.
  std::string input(reinterpret_cast<const char*>(data),
                    strnlen(reinterpret_cast<const char*>(data), size));
  TOVString path(input.c_str());

  TOVString base, ext;
  unsigned int hasExt = 9;
  TOVFileUtilities::ExtractExtensionFromFileName(path, base, ext, hasExt);
  Check(hasExt <= 1, "the extension flag is 0 or 1");
  std::string joined = std::string(base) + (hasExt ? "." : "") + std::string(ext);
  Check(joined == input, "base, dot and extension give the name back");
  Check(std::strchr(ext, '.') == nullptr, "the extension holds no dot");

  TOVString dir, fileBase, fileExt;
  TOVFileUtilities::ExtractPathAndExtFromFileFullPath(path, dir, fileBase, fileExt, hasExt);
  joined = std::string(dir) + std::string(fileBase) + (hasExt ? "." : "") + std::string(fileExt);
  Check(joined == input, "directory, base, dot and extension give the path back");
  Check(std::strpbrk(fileBase, "/\\") == nullptr && std::strpbrk(fileExt, "/\\") == nullptr,
        "the file name holds no separator");

  for (char separator : {'/', '\\'}) {
    TOVString replaced;
    TOVFileUtilities::ReplaceSeparators(path, separator, replaced);
    Check(replaced.Length() == path.Length(), "replacing keeps the length");
    Check(TOVFileUtilities::ComparePath(path, replaced) == 1, "a path matches its replacement");
  }
  Check(TOVFileUtilities::ComparePath(path, path) == 1, "a path matches itself");
  TOVString longer(path);
  longer += "x";
  Check(TOVFileUtilities::ComparePath(path, longer) == 0, "a longer path does not match");
  TOVFileUtilities::CheckWindowsFileName(path);
  return 0;
}
