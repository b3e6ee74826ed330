#include "TOVMessageDisplayToString.h"
#include "TOVMsgDisplayingBeginInformer.h"
#include "TOVNLSMsgBldrFromString.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"

using tovtest::Utf8;

namespace {

TOVNLSMsgBldrRfHndlr Message(const char* text) {
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef, new TOVNLSMsgBldrFromString(text, "TST", "1"));
}

// Informs back through its informer, as a display that itself begins some work might.
class EchoingDisplay : public TOVMessageDisplayToString {
public:
  void Display(const MORUnicodeString& msg, unsigned int iNewLine) override {
    TOVMessageDisplayToString::Display(msg, iNewLine);
    _pInformer->Inform();
  }
  TOVBeginInformer* _pInformer = nullptr;
};

} // namespace

TEST(BeginInformer, InformsOnceUntilResetOrGivenANewMessage) {
  TOVMessageDisplayToString display;
  TOVMsgDisplayingBeginInformer informer(Message("Copying:"), display);
  EXPECT_EQ(informer.SomethingHasBeenDone(), 0u);
  informer.Inform();
  informer.Inform();
  EXPECT_NE(informer.SomethingHasBeenDone(), 0u);
  informer.Reinit();
  EXPECT_EQ(informer.SomethingHasBeenDone(), 0u);
  informer.Inform();
  informer.SetHNLSMsgBldr(Message("Removing:"));
  informer.Inform();
  informer.Inform();
  EXPECT_EQ(Utf8(display.GetMessageW()), "Copying:\nCopying:\nRemoving:\n");

  // Without a message, informing only marks the work as begun.
  TOVMsgDisplayingBeginInformer silent(display);
  silent.Inform();
  EXPECT_NE(silent.SomethingHasBeenDone(), 0u);
  EXPECT_EQ(Utf8(display.GetMessageW()), "Copying:\nCopying:\nRemoving:\n");

  // A display that informs back through the informer does not repeat the message.
  EchoingDisplay echoing;
  TOVMsgDisplayingBeginInformer once(Message("once"), echoing);
  echoing._pInformer = &once;
  once.Inform();
  EXPECT_EQ(Utf8(echoing.GetMessageW()), "once\n");
}
