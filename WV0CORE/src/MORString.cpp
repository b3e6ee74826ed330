#include "MORString.h"
#include "MORUnicodeString.h"

MORString::MORString(const char* text) : _Text(text != nullptr ? text : "") {}

MORString::MORString(const MORUnicodeString& text) : _Text(static_cast<const char*>(text)) {}

MORString& MORString::operator=(const char* text) {
  _Text = text != nullptr ? text : "";
  return *this;
}

MORString& MORString::operator+=(const char* text) {
  if (text != nullptr)
    _Text += text;
  return *this;
}
