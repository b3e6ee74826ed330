// Helpers shared by the fuzz targets that read text.
#ifndef FUZZTEXT_H
#define FUZZTEXT_H

#include "MORError.h"
#include "TOVString.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzztext {

/// The bytes as a TOVString of the same length, embedded NULs included.
inline TOVString MakeString(const uint8_t* data, size_t size) {
  TOVString text;
  size_t start = 0;
  for (size_t i = 0; i <= size; ++i) {
    if (i == size || data[i] == 0) {
      text.Concat(reinterpret_cast<const char*>(data) + start, static_cast<int>(i - start));
      if (i < size)
        text.Resize(text.Length() + 1, '\0');
      start = i + 1;
    }
  }
  return text;
}

/// Stops with a message when condition is false.
inline void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

/// The message id of the pending error of rc (forgotten afterwards), or "" without one.
inline std::string TakePendingMsgId(long rc) {
  MORError* error = MORGetLastError(rc, nullptr);
  MORCleanLastError();
  if (error == nullptr)
    return "";
  std::string id = error->GetMsgId() != nullptr ? error->GetMsgId() : "";
  error->Release();
  return id;
}

} // namespace fuzztext

#endif
