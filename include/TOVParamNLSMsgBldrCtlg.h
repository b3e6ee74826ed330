// The builder of a numbered message of a named catalog.
#ifndef TOVPARAMNLSMSGBLDRCTLG_H
#define TOVPARAMNLSMSGBLDRCTLG_H

#include "MORMsg.h"
#include "TOVParamNLSMsgBldr.h"

/// Builds message msgId of catalog catalogName with its parameters. The catalog message is
/// looked up once, on the first Build. A missing catalog, a missing message or a wrong
/// number of parameters never fails: the text says so between "!!!" marks, and
/// GetLastErrorMsg() gives the reason.
class TOVBASIC_API TOVParamNLSMsgBldrCtlg : public TOVParamNLSMsgBldr {
  TOV_DECLARE_CLASS(TOVParamNLSMsgBldrCtlg)
public:
  /// Copies the three texts (null counts as empty); an empty path means the runtime's own
  /// search for the catalog. Nothing is loaded yet.
  TOVParamNLSMsgBldrCtlg(const char* catalogName, const char* msgId,
                         const char* catalogPath = nullptr);
  ~TOVParamNLSMsgBldrCtlg() override;

  TOVParamNLSMsgBldrCtlg(const TOVParamNLSMsgBldrCtlg&) = delete;
  TOVParamNLSMsgBldrCtlg& operator=(const TOVParamNLSMsgBldrCtlg&) = delete;

  const char* GetMsgCatalogName() const override;
  const char* GetMsgId() const override;
  /// The message filled with the parameters; missing ones show as "???".
  MORUnicodeString Build() override;

  void ClearParameterArray() override;
  void AddNewParameter(int value) override;
  void AddNewParameter(const char* value) override;
  void AddNewParameter(const TOVString& value) override;
  void AddNewParameter(const MORUnicodeString& value) override;
  /// A negative index is a fatal internal error.
  void SetParameter(int iIndex, int value) override;
  void SetParameter(int iIndex, const char* value) override;
  void SetParameter(int iIndex, const TOVString& value) override;
  void SetParameter(int iIndex, const MORUnicodeString& value) override;

  virtual const char* GetMsgCatalogPath() const;
  /// Why the last load or build went wrong; empty when it did not.
  virtual const TOVString& GetLastErrorMsg() const;

  /// The number of parameters set.
  int GetNbParameters() const { return _NbParameters; }
  /// The size of the parameter array.
  int GetParameterCapacity() const { return _ParameterCapacity; }
  /// Parameter iIndex (0 <= iIndex < GetNbParameters()).
  const MORUnicodeString& GetParameter(int iIndex) const;

protected:
  /// The catalog message, looked up on the first call only; null when the catalog could
  /// not be loaded.
  virtual MORMsg* MakeOrGetMsgBuilder();
  /// Makes the array iCapacity long, keeping the parameters set.
  virtual void ResizeParameterArray(int iCapacity);
  /// Makes room for parameter iIndex, extending the count to it.
  virtual void ChangeNbParameters(int iIndex);

private:
  /// The slot of parameter iIndex, made ready for a new value.
  MORUnicodeString& ParameterSlot(int iIndex);

  TOVString _MsgCatalogPath;
  TOVString _MsgCatalogName;
  TOVString _MsgId;
  int _NotYetTried;
  MORMsg* _pMsgBuilder;
  TOVString _LastErrorMsg;
  int _NbParameters;
  int _ParameterCapacity;
  MORUnicodeString* _pParameters;
};

#endif
