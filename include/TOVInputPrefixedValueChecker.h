// Checks values typed as prefix ":" value against a set of value prefixes.
#ifndef TOVINPUTPREFIXEDVALUECHECKER_H
#define TOVINPUTPREFIXEDVALUECHECKER_H

#include "TOVContainer.h"
#include "TOVInputValuePrefix.h"
#include "TOVNLSMsgBldrRfHndlr.h"

/// The prefix set holds TOVInputValuePrefix objects and is not owned: it must outlive the
/// checker. Prefixes are found by their code text, case respected; value lengths count
/// bytes.
class TOVBASIC_API TOVInputPrefixedValueChecker : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVInputPrefixedValueChecker)

public:
  /// A value without prefix is checked against iDefaultPrefix (which must outlive the
  /// checker).
  TOVInputPrefixedValueChecker(const TOVContainer& iPrefixSet,
                               const TOVInputValuePrefix& iDefaultPrefix);
  /// With iPrefixOptional not 0, a value without a known prefix is taken whole;
  /// otherwise the prefix is required.
  TOVInputPrefixedValueChecker(const TOVContainer& iPrefixSet, unsigned int iPrefixOptional);
  ~TOVInputPrefixedValueChecker() override;

  /// Checks iInput (null: empty). On success oPrefix is the prefix found (null for a
  /// value taken whole) and oValue the value; on failure a pending error of request
  /// iRequest, a numbered diagnostic and the list of prefixes as advice.
  [[nodiscard]] virtual long Check(const char* iInput, const TOVInputValuePrefix*& oPrefix,
                                   TOVString& oValue, const TOVNLSMsgBldrRfHndlr& iRequest) const;

  /// Splits iInput (null: empty) at its first ":": the text before it into oPrefix, the
  /// text after it into oValue. Without ":", oPrefix is empty and oValue the whole input.
  static void CutInputValue(const char* iInput, TOVString& oPrefix, TOVString& oValue);

protected:
  /// The advice that lists the allowed prefixes, in the set's order, with their names
  /// and value lengths.
  virtual TOVNLSMsgBldrRfHndlr GetHAdviceWithPrefixesBldr() const;

private:
  /// Raises the error of diagnostic iDiagnostic with request iRequest and the advice.
  TOVBASIC_LOCAL long Fail(const TOVNLSMsgBldrRfHndlr& iRequest,
                           const TOVNLSMsgBldrRfHndlr& iDiagnostic) const;

  const TOVContainer& _PrefixSet;
  unsigned int _PrefixOptional;
  const TOVInputValuePrefix* _pDefaultPrefix;
};

#endif
