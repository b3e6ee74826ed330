// Something to say once, before the first piece of work.
#ifndef TOVBEGININFORMER_H
#define TOVBEGININFORMER_H

#include "TOVMacro.h"
#include "TOVNLSMsgBldrRfHndlr.h"

/// Informs at most once until it is reset: the work calls Inform before each piece, and
/// only the first call says something.
class TOVBASIC_API TOVBeginInformer : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVBeginInformer)
public:
  TOVBeginInformer() = default;
  ~TOVBeginInformer() override;

  /// Informs when this has not been done since the last reset.
  virtual void Inform() = 0;
  /// Non-zero once Inform has run since the last reset.
  virtual unsigned int SomethingHasBeenDone() const = 0;
  /// Replaces the message to inform with, and resets.
  virtual void SetHNLSMsgBldr(const TOVNLSMsgBldrRfHndlr& builder) = 0;
};

#endif
