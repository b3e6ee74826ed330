#include "TOVUtilities.h"
#include "TOVFatalInternalError.h"
#include "TOVParamNLSMsgBldrCtlgRfHndlr.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Stops the process when the field separator is a backslash, the escape character.
void CheckFieldSeparator(const TOVString& separator) {
  if (separator.Length() == 1 && separator[0] == '\\')
    TOVFatalInternalError("The field separator is \\");
}

// 1 when the separator, not empty, occurs in text at pos.
bool SeparatorAt(const TOVString& text, int pos, const TOVString& separator) {
  int n = separator.Length();
  return n > 0 && pos + n <= text.Length() &&
         std::memcmp(static_cast<const char*>(text) + pos, static_cast<const char*>(separator),
                     static_cast<size_t>(n)) == 0;
}

// Appends one character, a NUL included.
void AppendChar(TOVString& text, char c) {
  if (c == '\0')
    text.Resize(text.Length() + 1, '\0');
  else
    text.Concat(&c, 1);
}

} // namespace

TOVString TOVUtilities::ConvertGUIDToString(const MORGUID& iGuid) {
  char text[40];
  snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
           static_cast<unsigned int>(iGuid.Data1), iGuid.Data2, iGuid.Data3, iGuid.Data4[0],
           iGuid.Data4[1], iGuid.Data4[2], iGuid.Data4[3], iGuid.Data4[4], iGuid.Data4[5],
           iGuid.Data4[6], iGuid.Data4[7]);
  return TOVString(text);
}

TOVString TOVUtilities::GetWord(const char* iText, int iWordNb, char iSeparator) {
  TOVString word;
  if (iText == nullptr || iWordNb < 1)
    return word;
  const char* p = iText;
  for (int n = 1;; ++n) {
    while (*p != '\0' && *p == iSeparator)
      ++p;
    if (*p == '\0')
      return word;
    const char* start = p;
    while (*p != '\0' && *p != iSeparator)
      ++p;
    if (n == iWordNb) {
      word.Copy(start, static_cast<int>(p - start));
      return word;
    }
  }
}

int TOVUtilities::GetNbChars(const char* iText, int iMax) {
  if (iText == nullptr)
    return 0;
  if (iMax < 0)
    return static_cast<int>(std::strlen(iText));
  return static_cast<int>(strnlen(iText, static_cast<size_t>(iMax)));
}

int TOVUtilities::GetIntAsStrSize(int iValue) {
  // Counted on the unsigned magnitude, so that INT_MIN needs no negation.
  unsigned int magnitude =
      iValue < 0 ? 0u - static_cast<unsigned int>(iValue) : static_cast<unsigned int>(iValue);
  int size = iValue < 0 ? 2 : 1;
  while (magnitude >= 10) {
    magnitude /= 10;
    ++size;
  }
  return size;
}

TOVString TOVUtilities::GetListItemIdxFormat(int iNbItems, char iFillChar) {
  TOVString format("%");
  // A NUL fill would end the format there; it counts as no fill, like a space.
  if (iFillChar != ' ' && iFillChar != '\0')
    format.Concat(&iFillChar, 1);
  format += GetIntAsStrSize(iNbItems);
  format += "d";
  return format;
}

int TOVUtilities::CompareUnicodeStrings(const MORUnicodeString& a, const MORUnicodeString& b) {
  if (a < b)
    return -1;
  if (a > b)
    return 1;
  return 0;
}

int TOVUtilities::CompareUnicodeStringsNoCase(const MORUnicodeString& a,
                                              const MORUnicodeString& b) {
  int same = a.Compare(b);
  if (same == 1 || same == 2)
    return 0;
  MORUnicodeString upperA(a);
  MORUnicodeString upperB(b);
  upperA.ToUpper();
  upperB.ToUpper();
  return CompareUnicodeStrings(upperA, upperB);
}

unsigned int TOVUtilities::ConvertStringToInt(const TOVString& iText, int& oValue) {
  oValue = 0;
  if (iText.Length() == 0)
    return 0;
  const char* text = iText;
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(text, &end, 10);
  bool inRange = errno != ERANGE && value >= INT_MIN && value <= INT_MAX;
  // A long is wider than an int here: values beyond the int range are bounded to it, as
  // the conversion itself bounds values beyond the long range.
  if (value < INT_MIN)
    value = INT_MIN;
  else if (value > INT_MAX)
    value = INT_MAX;
  oValue = static_cast<int>(value);
  // The whole text, embedded NULs included, must have been read.
  return inRange && end == text + iText.Length() ? 1 : 0;
}

MORUnicodeString TOVUtilities::GetWindowsBasicLastErrorMsg() {
  int code = errno;
  // Only the codes the platform describes have a text; for the others (which strerror
  // would call "Unknown error") the library's own message names the code.
  const char* text = strerrordesc_np(code);
  if (text != nullptr) {
    MORUnicodeString result(text);
    errno = code;
    return result;
  }
  TOVParamNLSMsgBldrCtlgRfHndlr message(TOVRfHndlrNoAddRef,
                                        new TOVParamNLSMsgBldrCtlg("TOVBC", "0102", nullptr));
  message->AddNewParameter(code);
  MORUnicodeString result = message->Build();
  errno = code;
  return result;
}

TOVString TOVUtilities::FormatFreeTextForProgram(const TOVString& iText,
                                                 const TOVString& iSeparator) {
  CheckFieldSeparator(iSeparator);
  TOVString result;
  if (iText.Length() == 0) {
    result = "\\0";
    return result;
  }
  const char* text = iText;
  int pos = 0;
  while (pos < iText.Length()) {
    if (SeparatorAt(iText, pos, iSeparator)) {
      result.Concat("\\_", 2);
      pos += iSeparator.Length();
      continue;
    }
    char c = text[pos++];
    if (c == '\n')
      result.Concat("\\n", 2);
    else if (c == '\\')
      result.Concat("\\\\", 2);
    else
      AppendChar(result, c);
  }
  return result;
}

TOVString TOVUtilities::TranslateFormattedForProgramFreeText(const TOVString& iText,
                                                             const TOVString& iSeparator) {
  CheckFieldSeparator(iSeparator);
  TOVString result;
  if (iText.Length() == 0 || (iText.Length() == 2 && iText[0] == '\\' && iText[1] == '0'))
    return result;
  const char* text = iText;
  int pos = 0;
  while (pos < iText.Length()) {
    char c = text[pos++];
    if (c != '\\' || pos == iText.Length()) {
      AppendChar(result, c);
      continue;
    }
    char next = text[pos++];
    if (next == '\\')
      result.Concat("\\", 1);
    else if (next == 'n')
      result.Concat("\n", 1);
    else if (next == '_')
      result += iSeparator;
    else {
      result.Concat(&c, 1);
      AppendChar(result, next);
    }
  }
  return result;
}
