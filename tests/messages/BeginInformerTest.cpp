#include "TOVMessageDisplayToString.h"
#include "TOVMsgDisplayingBeginInformer.h"
#include "TOVNLSMsgBldrFromString.h"
#include "TOVTestSupport.h"

#include <string>

namespace {

std::string Collected(TOVMessageDisplayToString& display) {
  MORUnicodeString text = display.GetMessageW();
  return MORUnicodeString::EncodeUtf8(text, text.GetLengthInChar());
}

TOVNLSMsgBldrRfHndlr Message(const char* text) {
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef, new TOVNLSMsgBldrFromString(text, "TST", "0001"));
}

// Informs back through its informer, as a display that itself begins some work might.
class EchoingDisplay : public TOVMessageDisplayToString {
public:
  void Display(const MORUnicodeString& msg, unsigned int iNewLine) override {
    TOVMessageDisplayToString::Display(msg, iNewLine);
    if (_pInformer != nullptr)
      _pInformer->Inform();
  }
  TOVBeginInformer* _pInformer = nullptr;
};

} // namespace

TEST(BeginInformer, InformsOnceUntilReset) {
  TOVMessageDisplayToString display;
  TOVMsgDisplayingBeginInformer informer(Message("Copying files:"), display);
  EXPECT_EQ(informer.SomethingHasBeenDone(), 0u);
  informer.Inform();
  informer.Inform();
  EXPECT_NE(informer.SomethingHasBeenDone(), 0u);
  EXPECT_EQ(Collected(display), "Copying files:\n");

  informer.Reinit();
  EXPECT_EQ(informer.SomethingHasBeenDone(), 0u);
  informer.Inform();
  EXPECT_EQ(Collected(display), "Copying files:\nCopying files:\n");

  // A new message resets the informer too.
  informer.SetHNLSMsgBldr(Message("Removing files:"));
  EXPECT_EQ(informer.SomethingHasBeenDone(), 0u);
  informer.Inform();
  informer.Inform();
  EXPECT_EQ(Collected(display), "Copying files:\nCopying files:\nRemoving files:\n");
  EXPECT_TRUE(informer.IsAKindOf("TOVBeginInformer"));
}

TEST(BeginInformer, WithoutMessageOnlyMarksTheWorkAsBegun) {
  TOVMessageDisplayToString display;
  TOVMsgDisplayingBeginInformer informer(display);
  informer.Inform();
  EXPECT_NE(informer.SomethingHasBeenDone(), 0u);
  EXPECT_TRUE(display.GetMessageW().IsEmpty());
  informer.SetHNLSMsgBldr(Message("now"));
  informer.Inform();
  EXPECT_EQ(Collected(display), "now\n");
  // An empty handler removes the message again.
  informer.SetHNLSMsgBldr(TOVNLSMsgBldrRfHndlr());
  informer.Inform();
  EXPECT_EQ(Collected(display), "now\n");
}

TEST(BeginInformer, InformingFromTheDisplayDoesNotRepeatTheMessage) {
  EchoingDisplay display;
  TOVMsgDisplayingBeginInformer informer(Message("once"), display);
  display._pInformer = &informer;
  informer.Inform();
  EXPECT_EQ(Collected(display), "once\n");
}
