#include "TOVParamNLSMsgBldrCtlg.h"
#include "MORMsgCatalog.h"
#include "TOVFatalInternalError.h"

#include <new>

TOV_IMPLEMENT_CLASS(TOVParamNLSMsgBldrCtlg, TOVParamNLSMsgBldr)

TOVParamNLSMsgBldrCtlg::TOVParamNLSMsgBldrCtlg(const char* catalogName, const char* msgId,
                                               const char* catalogPath)
    : _MsgCatalogPath(catalogPath), _MsgCatalogName(catalogName), _MsgId(msgId), _NotYetTried(1),
      _pMsgBuilder(nullptr), _LastErrorMsg(""), _NbParameters(0), _ParameterCapacity(0),
      _pParameters(nullptr) {}

TOVParamNLSMsgBldrCtlg::~TOVParamNLSMsgBldrCtlg() {
  delete _pMsgBuilder;
  delete[] _pParameters;
}

const char* TOVParamNLSMsgBldrCtlg::GetMsgCatalogName() const {
  return _MsgCatalogName;
}

const char* TOVParamNLSMsgBldrCtlg::GetMsgId() const {
  return _MsgId;
}

const char* TOVParamNLSMsgBldrCtlg::GetMsgCatalogPath() const {
  return _MsgCatalogPath;
}

const TOVString& TOVParamNLSMsgBldrCtlg::GetLastErrorMsg() const {
  return _LastErrorMsg;
}

const MORUnicodeString& TOVParamNLSMsgBldrCtlg::GetParameter(int iIndex) const {
  if (iIndex < 0 || iIndex >= _NbParameters)
    TOVFatalInternalError("TOVParamNLSMsgBldrCtlg::GetParameter(): index ", iIndex,
                          " outside 0 to ", _NbParameters - 1);
  return _pParameters[iIndex];
}

void TOVParamNLSMsgBldrCtlg::ClearParameterArray() {
  _NbParameters = 0;
}

void TOVParamNLSMsgBldrCtlg::ResizeParameterArray(int iCapacity) {
  MORUnicodeString* parameters = new MORUnicodeString[iCapacity];
  for (int i = 0; i < _NbParameters && i < iCapacity; ++i)
    parameters[i] = std::move(_pParameters[i]);
  delete[] _pParameters;
  _pParameters = parameters;
  _ParameterCapacity = iCapacity;
}

void TOVParamNLSMsgBldrCtlg::ChangeNbParameters(int iIndex) {
  int count = iIndex < _NbParameters ? _NbParameters : iIndex + 1;
  if (count > _ParameterCapacity) {
    int capacity = _ParameterCapacity > 0 ? _ParameterCapacity : 10;
    while (capacity < count)
      capacity *= 2;
    ResizeParameterArray(capacity);
  }
  _NbParameters = count;
}

MORUnicodeString& TOVParamNLSMsgBldrCtlg::ParameterSlot(int iIndex) {
  if (iIndex < 0)
    TOVFatalInternalError("TOVParamNLSMsgBldrCtlg::SetParameter(): negative index ", iIndex);
  int before = _NbParameters;
  ChangeNbParameters(iIndex);
  // Positions skipped over (and those left by an earlier, longer parameter list) read as
  // empty texts.
  for (int i = before; i < iIndex; ++i)
    _pParameters[i] = MORUnicodeString();
  return _pParameters[iIndex];
}

void TOVParamNLSMsgBldrCtlg::AddNewParameter(int value) {
  SetParameter(_NbParameters, value);
}

void TOVParamNLSMsgBldrCtlg::AddNewParameter(const char* value) {
  SetParameter(_NbParameters, value);
}

void TOVParamNLSMsgBldrCtlg::AddNewParameter(const TOVString& value) {
  SetParameter(_NbParameters, value);
}

void TOVParamNLSMsgBldrCtlg::AddNewParameter(const MORUnicodeString& value) {
  SetParameter(_NbParameters, value);
}

void TOVParamNLSMsgBldrCtlg::SetParameter(int iIndex, int value) {
  ParameterSlot(iIndex).BuildFromNum(value);
}

void TOVParamNLSMsgBldrCtlg::SetParameter(int iIndex, const char* value) {
  ParameterSlot(iIndex) = value;
}

void TOVParamNLSMsgBldrCtlg::SetParameter(int iIndex, const TOVString& value) {
  ParameterSlot(iIndex) = static_cast<const char*>(value);
}

void TOVParamNLSMsgBldrCtlg::SetParameter(int iIndex, const MORUnicodeString& value) {
  // Copy first: value may be one of this builder's own parameters, which growing the
  // array would move.
  MORUnicodeString copy(value);
  ParameterSlot(iIndex) = std::move(copy);
}

MORMsg* TOVParamNLSMsgBldrCtlg::MakeOrGetMsgBuilder() {
  if (_pMsgBuilder != nullptr || _NotYetTried == 0)
    return _pMsgBuilder;
  _NotYetTried = 0;
  MORMsgCatalog catalog;
  const char* path =
      _MsgCatalogPath.Length() > 0 ? static_cast<const char*>(_MsgCatalogPath) : nullptr;
  if (catalog.LoadMsgCatalog(_MsgCatalogName, path) == 0) {
    _LastErrorMsg = catalog.GetError();
    return nullptr;
  }
  _pMsgBuilder = new (std::nothrow) MORMsg(catalog.GetCatalogMsg(_MsgId));
  if (_pMsgBuilder == nullptr) {
    _LastErrorMsg = "no memory for the message";
    return nullptr;
  }
  if (_pMsgBuilder->IsEmpty()) {
    _LastErrorMsg = _MsgId;
    _LastErrorMsg += " not found in catalog ";
    _LastErrorMsg += _MsgCatalogName;
  } else {
    _LastErrorMsg = "";
  }
  return _pMsgBuilder;
}

namespace {

// "catalog - id", the head of every marked text.
TOVString CatalogAndId(const TOVString& catalogName, const TOVString& msgId) {
  TOVString text(catalogName);
  text += " - ";
  text += msgId;
  return text;
}

} // namespace

MORUnicodeString TOVParamNLSMsgBldrCtlg::Build() {
  MORMsg* message = MakeOrGetMsgBuilder();
  if (message == nullptr || message->IsEmpty()) {
    TOVString marked = CatalogAndId(_MsgCatalogName, _MsgId);
    if (message == nullptr) {
      marked += " !!! Invalid message catalog ";
      marked += _MsgCatalogName;
      marked += ": ";
    } else {
      marked += " !!! ";
    }
    marked += _LastErrorMsg;
    marked += " !!!";
    return MORUnicodeString(marked);
  }

  int expected = message->GetMaxParamIndex();
  int given = _NbParameters;
  if (given < expected) {
    if (expected > _ParameterCapacity)
      ResizeParameterArray(expected);
    for (int i = given; i < expected; ++i)
      _pParameters[i] = "???";
  }
  MORUnicodeString text = message->BuildMessage(_pParameters, given > expected ? given : expected);
  // The reason describes this build only: the wrong count of an earlier build is not
  // repeated.
  _LastErrorMsg = "";
  if (given != expected) {
    TOVString counts = CatalogAndId(_MsgCatalogName, _MsgId);
    counts += ": ";
    counts += given;
    counts += " parameters instead of ";
    counts += expected;
    text += " !!! Wrong message ";
    text += static_cast<const char*>(counts);
    text += " !!!";
    _LastErrorMsg = "Message ";
    _LastErrorMsg += counts;
  }
  return text;
}
