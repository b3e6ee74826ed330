#include "TOVInputPrefixedValueChecker.h"
#include "TOVIterator.h"
#include "TOVMappedCodeCmpCodeVal.h"
#include "TOVRaiseError.h"

#include <cstring>

TOV_IMPLEMENT_CLASS(TOVInputPrefixedValueChecker, MORBaseUnknown)

TOVInputPrefixedValueChecker::TOVInputPrefixedValueChecker(
    const TOVContainer& iPrefixSet, const TOVInputValuePrefix& iDefaultPrefix)
    : _PrefixSet(iPrefixSet), _PrefixOptional(0), _pDefaultPrefix(&iDefaultPrefix) {}

TOVInputPrefixedValueChecker::TOVInputPrefixedValueChecker(const TOVContainer& iPrefixSet,
                                                           unsigned int iPrefixOptional)
    : _PrefixSet(iPrefixSet), _PrefixOptional(iPrefixOptional), _pDefaultPrefix(nullptr) {}

TOVInputPrefixedValueChecker::~TOVInputPrefixedValueChecker() = default;

void TOVInputPrefixedValueChecker::CutInputValue(const char* iInput, TOVString& oPrefix,
                                                 TOVString& oValue) {
  if (iInput == nullptr)
    iInput = "";
  const char* colon = std::strchr(iInput, ':');
  if (colon == nullptr) {
    oPrefix = "";
    oValue = iInput;
    return;
  }
  // Copied before either output changes: iInput may be the text of one of them.
  TOVString prefix;
  prefix.Concat(iInput, static_cast<int>(colon - iInput));
  oValue = colon + 1;
  oPrefix = prefix;
}

long TOVInputPrefixedValueChecker::Check(const char* iInput, const TOVInputValuePrefix*& oPrefix,
                                         TOVString& oValue,
                                         const TOVNLSMsgBldrRfHndlr& iRequest) const {
  oPrefix = nullptr;
  const TOVString input(iInput);
  TOVString prefixText, value;
  CutInputValue(input, prefixText, value);
  const TOVInputValuePrefix* prefix = nullptr;
  if (prefixText.Length() == 0) {
    if (_PrefixOptional) {
      oValue = input;
      return TOV_RETURN_SUCCESS();
    }
    if (_pDefaultPrefix == nullptr)
      return Fail(iRequest, TOVCatalogMsg("TOVBC", "0310", input));
    prefix = _pDefaultPrefix;
  } else {
    prefix = TOVCheckedCast<TOVInputValuePrefix>(
        _PrefixSet.LookupOne(&prefixText, TOVMappedCodeCmpCodeVal::GetGlobal()));
    if (prefix == nullptr) {
      if (_PrefixOptional) {
        oValue = input;
        return TOV_RETURN_SUCCESS();
      }
      return Fail(iRequest, TOVCatalogMsg("TOVBC", "0313", input, prefixText));
    }
  }
  oPrefix = prefix;
  oValue = value;
  const int length = value.Length();
  const int minimum = prefix->GetValueLengthMini();
  const int maximum = prefix->GetValueLengthMaxi();
  if (minimum == maximum && length != maximum)
    return Fail(iRequest, TOVCatalogMsg("TOVBC", "0314", input, length, maximum));
  if (maximum < 0 || (minimum <= length && length <= maximum)) {
    if (length >= minimum)
      return TOV_RETURN_SUCCESS();
    return Fail(iRequest, TOVCatalogMsg("TOVBC", "0320", input, length, minimum));
  }
  return Fail(iRequest, TOVCatalogMsg("TOVBC", "0317", input, length, minimum, maximum));
}

long TOVInputPrefixedValueChecker::Fail(const TOVNLSMsgBldrRfHndlr& iRequest,
                                        const TOVNLSMsgBldrRfHndlr& iDiagnostic) const {
  return TOV_RAISE_ERROR(iRequest, iDiagnostic, GetHAdviceWithPrefixesBldr());
}

TOVNLSMsgBldrRfHndlr TOVInputPrefixedValueChecker::GetHAdviceWithPrefixesBldr() const {
  MORUnicodeString lines;
  TOVIterator* it = _PrefixSet.MakeIterator(nullptr);
  for (MORBaseUnknown* element = it->Next(); element != nullptr; element = it->Next()) {
    const auto* prefix = TOVCheckedCast<TOVInputValuePrefix>(element);
    const TOVString& code = prefix->GetCode();
    TOVNLSMsgBldr* nameBldr = prefix->GetHNameBldr().Get();
    const MORUnicodeString name = nameBldr != nullptr ? nameBldr->Build() : MORUnicodeString();
    const int minimum = prefix->GetValueLengthMini();
    const int maximum = prefix->GetValueLengthMaxi();
    TOVParamNLSMsgBldrCtlgRfHndlr line;
    if (minimum == maximum)
      line = TOVCatalogMsg("TOVBC", "0312", code, name, minimum);
    else if (maximum < 0)
      line = TOVCatalogMsg("TOVBC", "0318", code, name, minimum);
    else
      line = TOVCatalogMsg("TOVBC", "0319", code, name, minimum, maximum);
    lines += line->Build();
  }
  it->Release();
  if (_PrefixOptional)
    return TOVCatalogMsg("TOVBC", "0316", lines);
  if (_pDefaultPrefix != nullptr)
    return TOVCatalogMsg("TOVBC", "0315", _pDefaultPrefix->GetCode(), lines);
  return TOVCatalogMsg("TOVBC", "0311", lines);
}
