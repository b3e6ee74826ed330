// Static helpers for texts, numbers and the platform.
#ifndef TOVUTILITIES_H
#define TOVUTILITIES_H

#include "MORUnicodeString.h"
#include "TOVExport.h"
#include "TOVString.h"

/// A group of static helpers without state.
class TOVBASIC_API TOVUtilities {
public:
  // Text and number helpers.

  /// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper-case hexadecimal.
  static TOVString ConvertGUIDToString(const MORGUID& iGuid);
  /// The iWordNb-th word (from 1) of iText, words being the maximal runs of characters
  /// other than iSeparator; empty when there are fewer words (or iText is null).
  static TOVString GetWord(const char* iText, int iWordNb, char iSeparator);
  /// The length of iText but at most iMax (iMax negative: no bound); 0 for null. No
  /// character at or beyond iMax is read.
  static int GetNbChars(const char* iText, int iMax);
  /// The number of characters of iValue printed with "%d".
  static int GetIntAsStrSize(int iValue);
  /// The printf format of an item index wide enough for iNbItems: "%03d" for 120 items
  /// and the fill character '0', "%3d" for a space.
  static TOVString GetListItemIdxFormat(int iNbItems, char iFillChar);
  /// -1, 0 or 1 as a is before, equal to or after b (order of the 16-bit characters).
  static int CompareUnicodeStrings(const MORUnicodeString& a, const MORUnicodeString& b);
  /// As CompareUnicodeStrings, ignoring case.
  static int CompareUnicodeStringsNoCase(const MORUnicodeString& a, const MORUnicodeString& b);
  /// 1 when the whole of iText is a decimal number in the int range (leading blanks and a
  /// sign allowed), with its value in oValue; else 0 with oValue holding what was read
  /// (bounded to the int range).
  static unsigned int ConvertStringToInt(const TOVString& iText, int& oValue);
  /// The text of the platform's last error (errno); message "0102" of "TOVBC" when the
  /// platform has none for it.
  static MORUnicodeString GetWindowsBasicLastErrorMsg();
  /// iText escaped to travel as one field of a line whose fields are separated by
  /// iSeparator: the separator becomes "\_", a line feed "\n", a backslash "\\", and the
  /// empty text "\0". The separator "\" stops the process.
  static TOVString FormatFreeTextForProgram(const TOVString& iText, const TOVString& iSeparator);
  /// The inverse of FormatFreeTextForProgram.
  static TOVString TranslateFormattedForProgramFreeText(const TOVString& iText,
                                                        const TOVString& iSeparator);
};

#endif
