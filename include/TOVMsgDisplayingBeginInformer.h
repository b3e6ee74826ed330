// Begin informer that shows a message on a message display.
#ifndef TOVMSGDISPLAYINGBEGININFORMER_H
#define TOVMSGDISPLAYINGBEGININFORMER_H

#include "TOVBeginInformer.h"
#include "TOVMessageDisplay.h"

/// Shows the text of its message builder, with an end of line, on a display the first
/// time Inform is called after construction or a reset. The display is not owned.
class TOVBASIC_API TOVMsgDisplayingBeginInformer : public TOVBeginInformer {
  TOV_DECLARE_CLASS(TOVMsgDisplayingBeginInformer)
public:
  /// No message yet: Inform only marks the work as begun.
  explicit TOVMsgDisplayingBeginInformer(TOVMessageDisplay& display);
  TOVMsgDisplayingBeginInformer(const TOVNLSMsgBldrRfHndlr& builder, TOVMessageDisplay& display);
  ~TOVMsgDisplayingBeginInformer() override;

  void Inform() override;
  unsigned int SomethingHasBeenDone() const override;
  void SetHNLSMsgBldr(const TOVNLSMsgBldrRfHndlr& builder) override;
  /// Resets: the next Inform shows the message again.
  virtual void Reinit();

private:
  TOVNLSMsgBldrRfHndlr _HNLSMsgBldr;
  TOVMessageDisplay& _Display;
  unsigned int _ToInform;
};

#endif
