// Narrow text of the runtime.
#ifndef MORSTRING_H
#define MORSTRING_H

#include "MORTypes.h"

#include <string>

class MORUnicodeString;

/// A narrow (UTF-8) string that converts to const char*.
class WV0CORE_API MORString {
public:
  MORString() = default;
  /// Copies text; null counts as empty.
  MORString(const char* text);
  /// The UTF-8 form of text.
  MORString(const MORUnicodeString& text);

  MORString& operator=(const char* text);
  MORString& operator+=(const char* text);
  bool operator==(const MORString& other) const { return _Text == other._Text; }
  bool operator!=(const MORString& other) const { return _Text != other._Text; }

  /// The number of bytes.
  int GetLength() const { return static_cast<int>(_Text.size()); }
  int IsEmpty() const { return _Text.empty(); }
  /// The text, valid while this string lives and is not changed.
  operator const char*() const { return _Text.c_str(); }

private:
  std::string _Text;
};

#endif
