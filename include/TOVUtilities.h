// Static helpers for texts, numbers and the platform.
#ifndef TOVUTILITIES_H
#define TOVUTILITIES_H

#include "MORUnicodeString.h"
#include "TOVExport.h"
#include "TOVString.h"

class TOVComparator;
class TOVContainer;
class TOVConvertor;
class TOVOneWayIterator;
class TOVSortedVector;
class TOVVector;

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

  // Host operations.

  /// Makes the terminal message and error displays the global ones, handed to the global
  /// object cleaner: the OEM ones when "TOV_TERM_CS" is "oem" (any case), else the ISO 8859
  /// ones.
  static void MakeAndSetAsGlobalDisplayToTerm();
  /// Runs iCommand through the shell and shows each line of its output, without its line
  /// feed and however long, through the global message display. Gives the command's exit
  /// status, or -1 when it could not be run or did not exit normally.
  static int ExecuteExternalCommand(const TOVString& iCommand);

  // Operations on containers. Additions use Add(object, 1).

  /// 1 when an object of the smaller of a and b (a when sizes are equal) is found in the
  /// other: in a with iCmpB, in b with iCmpA.
  static unsigned int SetsSharesAtLeastOneElement(const TOVContainer& a, const TOVContainer& b,
                                                  const TOVComparator& iCmpA,
                                                  const TOVComparator& iCmpB);
  /// 1 when no two objects of iVector compare equal; else 0 with oFirstDuplicate the
  /// later object of the first equal pair (null when the result is 1).
  static unsigned int CheckNotMultiDefinedElementInVector(const TOVVector& iVector,
                                                          const TOVComparator& iCmp,
                                                          MORBaseUnknown*& oFirstDuplicate);
  /// Adds the objects of iSource to oTarget (a vector in index order, else in iteration
  /// order).
  static void AppendContainers(TOVContainer& oTarget, const TOVContainer& iSource);
  /// As AppendContainers, taking a reference on each object added.
  static void AppendContainersWithAddRef(TOVContainer& oTarget, const TOVContainer& iSource);
  /// Removes each object of iToRemove from oTarget; with iStrict, an object that is not
  /// there is a fatal internal error.
  static void RemoveElements(TOVContainer& oTarget, const TOVContainer& iToRemove,
                             unsigned int iStrict);
  /// As RemoveElements, releasing each object removed.
  static void RemoveElementsWithRelease(TOVContainer& oTarget, const TOVContainer& iToRemove,
                                        unsigned int iStrict);
  /// Adds the first object of each run of equal objects of iObjSet (which must be sorted by
  /// iCmp) to oDistinct, the others to oDuplicates when given.
  static void GetDistinctObjects(const TOVSortedVector& iObjSet, const TOVComparator& iCmp,
                                 TOVContainer& oDistinct, TOVContainer* oDuplicates);
  /// Merges two vectors sorted by iCmp: objects only in the first go to oOnlyIn1, only in
  /// the second to oOnlyIn2, in both (the first's object) to oInBoth, each of them to oAll
  /// (as std::set_difference, std::set_intersection and std::set_union count). With
  /// iSkipDuplicates, equal neighbours count once. Every output may be null.
  static void DiffSortedVectors(const TOVSortedVector& iObjSet1, const TOVSortedVector& iObjSet2,
                                const TOVComparator& iCmp, unsigned int iSkipDuplicates,
                                TOVContainer* oOnlyIn1, TOVContainer* oOnlyIn2,
                                TOVContainer* oInBoth, TOVContainer* oAll);
  /// The texts of the objects (TOVString or TOVExtChars, after iConvertor when given)
  /// joined by iSeparator, each non-empty one between iPrefix and iSuffix; an empty text
  /// is skipped with iSkipEmpty, else it stands as iEmptyText. Null texts count as empty.
  static TOVString ConcatStrings(TOVOneWayIterator& iObjects, TOVConvertor* iConvertor,
                                 unsigned int iSkipEmpty, const char* iSeparator,
                                 const char* iPrefix, const char* iSuffix, const char* iEmptyText);
  static TOVString ConcatStrings(const TOVContainer& iObjects, unsigned int iSkipEmpty,
                                 const char* iSeparator, const char* iPrefix, const char* iSuffix,
                                 const char* iEmptyText);

  // Objects through the runtime. On failure a critical TOVError of the runtime's code
  // becomes pending (unless the runtime made one for that code) and its code is given.

  /// The runtime's MORCreateClassInstance; messages "0500", "0501", "0502".
  [[nodiscard]] static long MORCreateClassInstance(const MORGUID& iClassId, MORBaseUnknown* iOuter,
                                                   unsigned long iContext, const MORGUID& iIid,
                                                   void** oObject);
  /// By class name; messages "0500", "0503", "0502".
  [[nodiscard]] static long MORCreateClassInstance(const char* iClassName, MORBaseUnknown* iOuter,
                                                   unsigned long iContext, const MORGUID& iIid,
                                                   void** oObject);
  /// iObject's QueryInterface; messages "0504", "0505", "0502".
  [[nodiscard]] static long QueryInterface(MORBaseUnknown& iObject, const MORGUID& iIid,
                                           void** oObject);
};

#endif
