#include "TOVUtilities.h"
#include "MORCreateClassInstance.h"
#include "TOVConvertor.h"
#include "TOVEnvironmentVariable.h"
#include "TOVExtChars.h"
#include "TOVFatalInternalError.h"
#include "TOVIterator.h"
#include "TOVMessageDisplayInstall.h"
#include "TOVParamNLSMsgBldrCtlgRfHndlr.h"
#include "TOVRaiseError.h"
#include "TOVSortedVector.h"

#include <strings.h>
#include <sys/wait.h>

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

// ---------------------------------------------------------------------------
// Host operations.

void TOVUtilities::MakeAndSetAsGlobalDisplayToTerm() {
  TOVEnvironmentVariable charset("TOV_TERM_CS");
  const char* value = charset.Read(1);
  TOVSetGlobalDisplaysToTerm(value != nullptr && strcasecmp(value, "oem") == 0 ? 1 : 0);
}

int TOVUtilities::ExecuteExternalCommand(const TOVString& iCommand) {
  TOVStdout.Flush();
  FILE* output = popen(static_cast<const char*>(iCommand), "r");
  if (output == nullptr)
    return -1;
  TOVMessageDisplay& display = TOVMessageDisplay::GetGlobal();
  // Whole lines, however long: a line is shown once, never cut into pieces.
  char* line = nullptr;
  size_t capacity = 0;
  ssize_t size;
  while ((size = getline(&line, &capacity, output)) > 0) {
    if (line[size - 1] == '\n')
      --size;
    std::u16string text = MORUnicodeString::DecodeUtf8(line, static_cast<size_t>(size));
    MORUnicodeString shown;
    shown.BuildFromWChar(text.c_str(), static_cast<int>(text.size()));
    display.Display(shown, 1);
  }
  std::free(line);
  int status = pclose(output);
  TOVStdout.Flush();
  // The command's own status, not the wait status that holds it.
  return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// ---------------------------------------------------------------------------
// Operations on containers.

namespace {

// Calls visit with each object of container: a vector in index order, any other container
// in the order of its iterator.
template <class Visit> void ForEachObject(const TOVContainer& container, Visit visit) {
  if (container.IsAKindOf("TOVVector")) {
    const auto& vector = static_cast<const TOVVector&>(container);
    for (int i = 0; i < vector.Size(); ++i)
      visit(vector[i]);
    return;
  }
  TOVIterator* iterator = container.MakeIterator(nullptr);
  while (MORBaseUnknown* obj = iterator->Next())
    visit(obj);
  iterator->Release();
}

void RemoveEach(TOVContainer& target, const TOVContainer& toRemove, unsigned int strict,
                bool release) {
  bool allRemoved = true;
  ForEachObject(toRemove, [&](MORBaseUnknown* obj) {
    if (target.Remove(obj, 1) == 0) {
      allRemoved = false;
    } else if (release) {
      obj->Release();
    }
  });
  if (!allRemoved && strict != 0)
    TOVFatalInternalError("All the elements of Container2 aren't removed from Container1");
}

void AddTo(TOVContainer* container, MORBaseUnknown* obj) {
  if (container != nullptr)
    container->Add(obj, 1);
}

// Walks a sorted vector, passing over the objects equal to the one taken when asked.
class SortedWalk {
public:
  SortedWalk(const TOVSortedVector& vector, const TOVComparator& cmp, unsigned int skip)
      : _Vector(vector), _Cmp(cmp), _Skip(skip != 0) {}
  // The next object, or null at the end.
  MORBaseUnknown* Next() {
    if (_Index >= _Vector.Size())
      return nullptr;
    MORBaseUnknown* taken = _Vector[_Index++];
    while (_Skip && _Index < _Vector.Size() && _Cmp.CompareObjects(taken, _Vector[_Index]) == 0)
      ++_Index;
    return taken;
  }

private:
  const TOVSortedVector& _Vector;
  const TOVComparator& _Cmp;
  bool _Skip;
  int _Index = 0;
};

// The text of an object for ConcatStrings: a TOVString's characters or an external
// character object's; null for a null object.
const char* TextOf(const MORBaseUnknown* obj) {
  if (obj == nullptr)
    return nullptr;
  if (obj->IsAKindOf("TOVString"))
    return static_cast<const char*>(*static_cast<const TOVString*>(obj));
  return TOVCheckedCast<TOVExtChars>(obj)->GetChars();
}

const char* OrEmpty(const char* text) {
  return text != nullptr ? text : "";
}

// rc of a runtime call. A failure makes a critical error of rc (request and diagnostic of
// catalog "TOVBC", advice "0502") pending, unless the runtime made one for rc already.
template <class... Params>
long CheckRuntimeResult(long rc, int line, const char* request, const char* diagnostic,
                        const Params&... params) {
  if (rc == 0)
    return 0;
  if (MORError* pending = MORGetLastError(rc, nullptr)) {
    pending->Release();
    return rc;
  }
  return TOVRaiseError(__FILE__, line, TOVCatalogMsg("TOVBC", request),
                       TOVCatalogMsg("TOVBC", diagnostic, params...),
                       TOVCatalogMsg("TOVBC", "0502"), MORCriticalError, rc);
}

} // namespace

unsigned int TOVUtilities::SetsSharesAtLeastOneElement(const TOVContainer& a, const TOVContainer& b,
                                                       const TOVComparator& iCmpA,
                                                       const TOVComparator& iCmpB) {
  bool walkB = a.Size() > b.Size();
  const TOVContainer& walked = walkB ? b : a;
  const TOVContainer& searched = walkB ? a : b;
  const TOVComparator& cmp = walkB ? iCmpB : iCmpA;
  TOVIterator* iterator = walked.MakeIterator(nullptr);
  unsigned int found = 0;
  while (found == 0) {
    MORBaseUnknown* obj = iterator->Next();
    if (obj == nullptr)
      break;
    if (searched.LookupOne(obj, cmp) != nullptr)
      found = 1;
  }
  iterator->Release();
  return found;
}

unsigned int TOVUtilities::CheckNotMultiDefinedElementInVector(const TOVVector& iVector,
                                                               const TOVComparator& iCmp,
                                                               MORBaseUnknown*& oFirstDuplicate) {
  oFirstDuplicate = nullptr;
  for (int j = 1; j < iVector.Size(); ++j) {
    for (int i = 0; i < j; ++i) {
      if (iCmp.CompareObjects(iVector[i], iVector[j]) == 0) {
        oFirstDuplicate = iVector[j];
        return 0;
      }
    }
  }
  return 1;
}

void TOVUtilities::AppendContainers(TOVContainer& oTarget, const TOVContainer& iSource) {
  ForEachObject(iSource, [&](MORBaseUnknown* obj) { oTarget.Add(obj, 1); });
}

void TOVUtilities::AppendContainersWithAddRef(TOVContainer& oTarget, const TOVContainer& iSource) {
  ForEachObject(iSource, [&](MORBaseUnknown* obj) {
    obj->AddRef();
    oTarget.Add(obj, 1);
  });
}

void TOVUtilities::RemoveElements(TOVContainer& oTarget, const TOVContainer& iToRemove,
                                  unsigned int iStrict) {
  RemoveEach(oTarget, iToRemove, iStrict, false);
}

void TOVUtilities::RemoveElementsWithRelease(TOVContainer& oTarget, const TOVContainer& iToRemove,
                                             unsigned int iStrict) {
  RemoveEach(oTarget, iToRemove, iStrict, true);
}

void TOVUtilities::GetDistinctObjects(const TOVSortedVector& iObjSet, const TOVComparator& iCmp,
                                      TOVContainer& oDistinct, TOVContainer* oDuplicates) {
  if (iObjSet.SearchUsesSort(iCmp) == 0)
    TOVFatalInternalError("ObjSet must be sorted by the comparator");
  for (int i = 0; i < iObjSet.Size(); ++i) {
    if (i == 0 || iCmp.CompareObjects(iObjSet[i - 1], iObjSet[i]) != 0)
      oDistinct.Add(iObjSet[i], 1);
    else
      AddTo(oDuplicates, iObjSet[i]);
  }
}

void TOVUtilities::DiffSortedVectors(const TOVSortedVector& iObjSet1,
                                     const TOVSortedVector& iObjSet2, const TOVComparator& iCmp,
                                     unsigned int iSkipDuplicates, TOVContainer* oOnlyIn1,
                                     TOVContainer* oOnlyIn2, TOVContainer* oInBoth,
                                     TOVContainer* oAll) {
  if (iObjSet1.SearchUsesSort(iCmp) == 0)
    TOVFatalInternalError("ObjSet1 must be sorted by the comparator");
  if (iObjSet2.SearchUsesSort(iCmp) == 0)
    TOVFatalInternalError("ObjSet2 must be sorted by the comparator");
  SortedWalk walk1(iObjSet1, iCmp, iSkipDuplicates);
  SortedWalk walk2(iObjSet2, iCmp, iSkipDuplicates);
  MORBaseUnknown* current1 = nullptr;
  MORBaseUnknown* current2 = nullptr;
  int result = 0;
  for (;;) {
    bool advance1 = result <= 0;
    bool advance2 = result >= 0;
    if (advance1 && (current1 = walk1.Next()) == nullptr)
      result = 1;
    if (advance2 && (current2 = walk2.Next()) == nullptr)
      result = -1;
    if (current1 == nullptr && current2 == nullptr)
      return;
    if (current1 != nullptr && current2 != nullptr)
      result = iCmp.CompareObjects(current1, current2);
    MORBaseUnknown* placed = result > 0 ? current2 : current1;
    AddTo(result < 0 ? oOnlyIn1 : result == 0 ? oInBoth : oOnlyIn2, placed);
    AddTo(oAll, placed);
  }
}

TOVString TOVUtilities::ConcatStrings(TOVOneWayIterator& iObjects, TOVConvertor* iConvertor,
                                      unsigned int iSkipEmpty, const char* iSeparator,
                                      const char* iPrefix, const char* iSuffix,
                                      const char* iEmptyText) {
  TOVString result;
  bool first = true;
  while (MORBaseUnknown* obj = iObjects.Next()) {
    const MORBaseUnknown* source = obj;
    if (iConvertor != nullptr) {
      iConvertor->Set(obj);
      source = iConvertor->GetConverted();
      if (source == nullptr)
        TOVFatalInternalError("pConverted is NULL");
    }
    const char* text = TextOf(source);
    bool empty = text == nullptr || *text == '\0';
    if (empty && iSkipEmpty != 0)
      continue;
    if (!first)
      result += OrEmpty(iSeparator);
    first = false;
    if (empty) {
      result += OrEmpty(iEmptyText);
    } else {
      result += OrEmpty(iPrefix);
      result += text;
      result += OrEmpty(iSuffix);
    }
  }
  return result;
}

TOVString TOVUtilities::ConcatStrings(const TOVContainer& iObjects, unsigned int iSkipEmpty,
                                      const char* iSeparator, const char* iPrefix,
                                      const char* iSuffix, const char* iEmptyText) {
  TOVIterator* iterator = iObjects.MakeIterator(nullptr);
  TOVString result =
      ConcatStrings(*iterator, nullptr, iSkipEmpty, iSeparator, iPrefix, iSuffix, iEmptyText);
  iterator->Release();
  return result;
}

// ---------------------------------------------------------------------------
// Objects through the runtime.

long TOVUtilities::MORCreateClassInstance(const MORGUID& iClassId, MORBaseUnknown* iOuter,
                                          unsigned long iContext, const MORGUID& iIid,
                                          void** oObject) {
  return CheckRuntimeResult(::MORCreateClassInstance(iClassId, iOuter, iContext, iIid, oObject),
                            __LINE__, "0500", "0501", ConvertGUIDToString(iClassId),
                            static_cast<int>(iContext));
}

long TOVUtilities::MORCreateClassInstance(const char* iClassName, MORBaseUnknown* iOuter,
                                          unsigned long iContext, const MORGUID& iIid,
                                          void** oObject) {
  return CheckRuntimeResult(::MORCreateClassInstance(iClassName, iOuter, iContext, iIid, oObject),
                            __LINE__, "0500", "0503", OrEmpty(iClassName),
                            static_cast<int>(iContext));
}

long TOVUtilities::QueryInterface(MORBaseUnknown& iObject, const MORGUID& iIid, void** oObject) {
  return CheckRuntimeResult(iObject.QueryInterface(iIid, oObject), __LINE__, "0504", "0505",
                            iObject.IsA(), ConvertGUIDToString(iIid));
}
