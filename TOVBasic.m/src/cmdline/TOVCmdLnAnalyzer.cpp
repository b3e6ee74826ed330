#include "TOVCmdLnAnalyzer.h"

#include "TOVCmdLnOpt.h"
#include "TOVCmdLnOptMngr.h"
#include "TOVFatalInternalError.h"
#include "TOVRaiseError.h"

#include <string_view>
#include <unordered_map>

TOV_IMPLEMENT_CLASS(TOVCmdLnAnalyzer, MORBaseUnknown)

/// Every name of the declared options with the first option, in declaration order, that
/// has it. The names are views of the options' own strings, which do not change while a
/// command line is analysed.
struct TOVCmdLnAnalyzer::NameIndex {
  explicit NameIndex(const TOVCmdLnAnalyzer& iAnalyzer) {
    int nbOptions = iAnalyzer._OptionSet.Size();
    for (int i = 0; i < nbOptions; ++i) {
      TOVCmdLnOpt* option = iAnalyzer.OptionAt(i);
      const TOVVector& names = option->GetNameSet();
      int nbNames = names.Size();
      for (int j = 0; j < nbNames; ++j) {
        const TOVString& name = *static_cast<const TOVString*>(names[j]);
        byName.emplace(
            std::string_view(static_cast<const char*>(name), static_cast<size_t>(name.Length())),
            option);
      }
    }
  }
  std::unordered_map<std::string_view, TOVCmdLnOpt*> byName;
};

TOVCmdLnAnalyzer::TOVCmdLnAnalyzer(MORUnicodeString iCommandName,
                                   const TOVParamNLSMsgBldrRfHndlr& iHShortUsage)
    : _CommandName(std::move(iCommandName)), _HShortUsageBldr(iHShortUsage),
      _OptionSet(TOVContainerNothingAtDelete), _OptMngrSet(TOVContainerNothingAtDelete),
      _pHelpOption(nullptr), _pNameIndex(nullptr) {
  if (_HShortUsageBldr.Get() != nullptr)
    _HShortUsageBldr->SetParameter(0, _CommandName);
}

TOVCmdLnAnalyzer::~TOVCmdLnAnalyzer() = default;

const MORUnicodeString& TOVCmdLnAnalyzer::GetCommandName() const {
  return _CommandName;
}

void TOVCmdLnAnalyzer::AddOption(TOVCmdLnOpt& iOption) {
  _OptionSet.Append(&iOption);
  if (iOption.IsHelpOption())
    _pHelpOption = &iOption;
}

void TOVCmdLnAnalyzer::AddOptMngr(TOVCmdLnOptMngr& iOptMngr) {
  _OptMngrSet.Append(&iOptMngr);
}

TOVNLSMsgBldrRfHndlr TOVCmdLnAnalyzer::GetHShortUsageBldr() const {
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrAddRef, _HShortUsageBldr.Get());
}

const TOVVector& TOVCmdLnAnalyzer::GetOptionSet() const {
  return _OptionSet;
}

const TOVVector& TOVCmdLnAnalyzer::GetOptMngrSet() const {
  return _OptMngrSet;
}

TOVCmdLnOpt* TOVCmdLnAnalyzer::OptionAt(int i) const {
  // Only AddOption fills the set, with options.
  return static_cast<TOVCmdLnOpt*>(_OptionSet[i]);
}

TOVCmdLnOptMngr* TOVCmdLnAnalyzer::OptMngrAt(int i) const {
  return static_cast<TOVCmdLnOptMngr*>(_OptMngrSet[i]);
}

TOVCmdLnOpt* TOVCmdLnAnalyzer::LookupOneOption(const char* iName) {
  if (iName == nullptr)
    iName = "";
  if (_pNameIndex != nullptr) {
    auto found = _pNameIndex->byName.find(std::string_view(iName));
    return found == _pNameIndex->byName.end() ? nullptr : found->second;
  }
  int nbOptions = _OptionSet.Size();
  for (int i = 0; i < nbOptions; ++i) {
    TOVCmdLnOpt* option = OptionAt(i);
    const TOVVector& names = option->GetNameSet();
    int nbNames = names.Size();
    for (int j = 0; j < nbNames; ++j)
      if (*static_cast<const TOVString*>(names[j]) == iName)
        return option;
  }
  return nullptr;
}

long TOVCmdLnAnalyzer::GiveArgument(const char* iWord, TOVCmdLnOpt*& ioCurrent,
                                    TOVCmdLnOpt* iAssociated) {
  if (ioCurrent == nullptr) {
    MORUnicodeString request(_CommandName);
    TOVCmdLnOpt::ConcatArgumentForMsg(request, iWord);
    return TOV_RAISE_ERROR(TOVCatalogMsg("TOVBC", "0013", request),
                           TOVCatalogMsg("TOVBC", "0003", _CommandName), GetHShortUsageBldr());
  }
  // A full option lets the word go to the positional option, when the command has one.
  if (!ioCurrent->AcceptsOneMoreArgument() && ioCurrent != iAssociated && iAssociated != nullptr)
    ioCurrent = iAssociated;
  return ioCurrent->AddArgument(iWord);
}

long TOVCmdLnAnalyzer::RunChecks() {
  long result = 0;
  if (_pHelpOption == nullptr || !_pHelpOption->IsDefined()) {
    int nbOptions = _OptionSet.Size();
    for (int i = 0; i < nbOptions && result == 0; ++i)
      result = OptionAt(i)->Check();
  }
  // Managers also run when help was asked for: the help manager raises the help.
  int nbMngrs = _OptMngrSet.Size();
  for (int i = 0; i < nbMngrs && result == 0; ++i)
    result = OptMngrAt(i)->Check();
  return result;
}

long TOVCmdLnAnalyzer::Analyze(const char** iWords, int iCount) {
  if (iCount < 0)
    TOVFatalInternalError("TOVCmdLnAnalyzer::Analyze: negative word count ", iCount);
  if (iCount > 0 && iWords == nullptr)
    TOVFatalInternalError("TOVCmdLnAnalyzer::Analyze: no word list for ", iCount, " words");
  MORCleanLastError();
  NameIndex index(*this);
  NameIndex* outerIndex = _pNameIndex;
  _pNameIndex = &index;

  TOVCmdLnOpt* associated = LookupOneOption("");
  unsigned int allArguments = 0;
  if (associated != nullptr) {
    associated->SetToDefined();
    allArguments = associated->IsTheLastOption();
  }
  TOVCmdLnOpt* current = associated;

  long result = 0;
  for (int i = 0; i < iCount && result == 0; ++i) {
    const char* word = iWords[i];
    if (word == nullptr)
      TOVFatalInternalError("TOVCmdLnAnalyzer::Analyze: word ", i, " is null");
    if (!allArguments && word[0] == '-' && word[1] != '\0') {
      TOVCmdLnOpt* option = LookupOneOption(word);
      if (option == nullptr) {
        MORUnicodeString request(_CommandName);
        request += " ";
        request += word;
        result = TOV_RAISE_ERROR(TOVCatalogMsg("TOVBC", "0013", request),
                                 TOVCatalogMsg("TOVBC", "0001", word), GetHShortUsageBldr());
      } else {
        current = option;
        current->SetToDefined();
        allArguments = current->IsTheLastOption();
      }
    } else {
      result = GiveArgument(word, current, associated);
    }
  }
  _pNameIndex = outerIndex;
  if (result == 0)
    result = RunChecks();
  return result;
}

void TOVCmdLnAnalyzer::Reset() {
  int nbOptions = _OptionSet.Size();
  for (int i = 0; i < nbOptions; ++i)
    OptionAt(i)->Reset();
  int nbMngrs = _OptMngrSet.Size();
  for (int i = 0; i < nbMngrs; ++i)
    OptMngrAt(i)->Reset();
}
