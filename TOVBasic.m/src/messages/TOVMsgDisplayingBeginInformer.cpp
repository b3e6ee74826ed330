#include "TOVMsgDisplayingBeginInformer.h"

TOV_IMPLEMENT_CLASS(TOVMsgDisplayingBeginInformer, TOVBeginInformer)

TOVMsgDisplayingBeginInformer::TOVMsgDisplayingBeginInformer(TOVMessageDisplay& display)
    : _Display(display), _ToInform(1) {}

TOVMsgDisplayingBeginInformer::TOVMsgDisplayingBeginInformer(const TOVNLSMsgBldrRfHndlr& builder,
                                                             TOVMessageDisplay& display)
    : _HNLSMsgBldr(builder), _Display(display), _ToInform(1) {}

TOVMsgDisplayingBeginInformer::~TOVMsgDisplayingBeginInformer() = default;

void TOVMsgDisplayingBeginInformer::Inform() {
  if (_ToInform == 0)
    return;
  // Cleared first: a display that informs back through this informer says nothing twice.
  _ToInform = 0;
  if (_HNLSMsgBldr.Get() != nullptr)
    _Display.Display(_HNLSMsgBldr->Build(), 1);
}

unsigned int TOVMsgDisplayingBeginInformer::SomethingHasBeenDone() const {
  return _ToInform == 0 ? 1 : 0;
}

void TOVMsgDisplayingBeginInformer::SetHNLSMsgBldr(const TOVNLSMsgBldrRfHndlr& builder) {
  _HNLSMsgBldr = builder;
  _ToInform = 1;
}

void TOVMsgDisplayingBeginInformer::Reinit() {
  _ToInform = 1;
}
