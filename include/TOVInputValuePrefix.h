// A prefix of typed values ("N:123"): a code with a name and the allowed value length.
#ifndef TOVINPUTVALUEPREFIX_H
#define TOVINPUTVALUEPREFIX_H

#include "TOVMappedCodeWithName.h"

/// The value after the prefix must be from the minimum to the maximum length; a negative
/// maximum means no maximum (see TOVInputPrefixedValueChecker).
class TOVBASIC_API TOVInputValuePrefix : public TOVMappedCodeWithName {
  TOV_DECLARE_CLASS(TOVInputValuePrefix)

public:
  /// An empty code without name builder, minimum 0, no maximum (-1).
  TOVInputValuePrefix();
  /// Copies code, shares nameBldr, stores both lengths as given.
  TOVInputValuePrefix(const char* code, const TOVNLSMsgBldrRfHndlr& nameBldr, int iValueLengthMini,
                      int iValueLengthMaxi);
  ~TOVInputValuePrefix() override;

  /// A negative minimum is a fatal internal error.
  virtual void SetValueLengthMini(int iValueLengthMini);
  /// The minimum; a fatal internal error when the stored minimum is negative.
  virtual int GetValueLengthMini() const;
  /// Stored without check.
  virtual void SetValueLengthMaxi(int iValueLengthMaxi);
  virtual int GetValueLengthMaxi() const;

private:
  int _ValueLengthMini;
  int _ValueLengthMaxi;
};

#endif
