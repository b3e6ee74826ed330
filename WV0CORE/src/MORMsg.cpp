#include "MORMsg.h"

#include <string>

namespace {

// Calls visit(position, n) for each parameter reference %n (1..9) of text, skipping %%.
template <class Visit> void ForEachParameter(const std::u16string& text, Visit visit) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'%')
      continue;
    char16_t next = text[i + 1];
    if (next == u'%') {
      ++i;
    } else if (next >= u'1' && next <= u'9') {
      visit(i, next - u'0');
      ++i;
    }
  }
}

} // namespace

MORMsg::MORMsg() : _MaxParamIndex(0), _Present(false) {}

MORMsg::MORMsg(const MORUnicodeString& text) : _Text(text), _MaxParamIndex(0), _Present(true) {
  std::u16string raw(static_cast<const char16_t*>(_Text), _Text.GetLengthInChar());
  ForEachParameter(raw, [this](size_t, int n) {
    if (n > _MaxParamIndex)
      _MaxParamIndex = n;
  });
}

MORUnicodeString MORMsg::BuildMessage(const MORUnicodeString* parameters, int count) const {
  std::u16string raw(static_cast<const char16_t*>(_Text), _Text.GetLengthInChar());
  std::u16string out;
  out.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    char16_t c = raw[i];
    if (c != u'%' || i + 1 >= raw.size()) {
      out += c;
      continue;
    }
    char16_t next = raw[i + 1];
    if (next == u'%') {
      out += u'%';
      ++i;
    } else if (next >= u'1' && next <= u'9' && parameters != nullptr && next - u'0' <= count) {
      const MORUnicodeString& p = parameters[next - u'1'];
      out.append(static_cast<const char16_t*>(p), p.GetLengthInChar());
      ++i;
    } else {
      out += c;
    }
  }
  MORUnicodeString result;
  result.BuildFromWChar(out.data(), static_cast<int>(out.size()));
  return result;
}
