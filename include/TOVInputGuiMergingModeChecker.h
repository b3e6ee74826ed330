// Checks that texts are merging mode numbers from 1 to 4.
#ifndef TOVINPUTGUIMERGINGMODECHECKER_H
#define TOVINPUTGUIMERGINGMODECHECKER_H

#include "TOVContainer.h"
#include "TOVNLSMsgBldrRfHndlr.h"

class TOVBASIC_API TOVInputGuiMergingModeChecker : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVInputGuiMergingModeChecker)

public:
  TOVInputGuiMergingModeChecker() = default;
  ~TOVInputGuiMergingModeChecker() override;

  /// Each TOVString of iValues, in order, must be a whole integer from 1 to 4. The first
  /// that is not gives a pending error of request iRequest and diagnostic "0023"; an
  /// empty container passes.
  [[nodiscard]] virtual long Check(const TOVContainer& iValues,
                                   const TOVNLSMsgBldrRfHndlr& iRequest) const;
};

#endif
