#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplayToAsciiFile.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"

#include <cstring>

using tovtest::TakePendingError;

namespace {

const std::string NoSpace = strerror(ENOSPC);

void ExpectNotOpen(TOVMessageDisplayToAsciiFile& display) {
  EXPECT_FATAL(
      {
        TOVGlobalObjectCleaner cleaner;
        display.Display("lost", 1);
      },
      "OpenFile must be called before");
  EXPECT_FATAL(
      {
        TOVGlobalObjectCleaner cleaner;
        display.CloseFile();
      },
      "OpenFile must be called before");
}

} // namespace

TEST(AsciiFileDisplay, WritesMessagesToAFreshFileAndSavesOnReopenOrDrop) {
  std::string dir = tovtest::MakeTempDir(), path = dir + "/log.txt";
  tovtest::WriteFile(path, "old content\n");
  TOVMessageDisplayToAsciiFile display(path.c_str());
  ExpectNotOpen(display);
  ASSERT_EQ(display.OpenFile(), 0);
  display.Display("first", 1);
  display.Display("caf\xC3\xA9 ", 0);
  display.Display("", 1);
  EXPECT_EQ(display.CloseFile(), 0);
  EXPECT_EQ(tovtest::ReadFile(path), "first\ncaf\xC3\xA9 \n");
  ExpectNotOpen(display); // closed: a second close would close the file twice

  ASSERT_EQ(display.OpenFile(), 0);
  display.Display("before reopening", 1);
  ASSERT_EQ(display.OpenFile(), 0);
  display.Display("after", 1);
  {
    TOVMessageDisplayToAsciiFile dropped((dir + "/dropped.txt").c_str());
    ASSERT_EQ(dropped.OpenFile(), 0);
    dropped.Display("kept", 0);
  }
  EXPECT_EQ(tovtest::ReadFile(dir + "/dropped.txt"), "kept");
  EXPECT_EQ(display.CloseFile(), 0);
  EXPECT_EQ(tovtest::ReadFile(path), "after\n");
}

TEST(AsciiFileDisplay, ADirectoryIsRefusedAndLeavesTheDisplayClosed) {
  std::string dir = tovtest::MakeTempDir();
  TOVMessageDisplayToAsciiFile display(dir.c_str());
  long rc = display.OpenFile();
  MORError* error = MORGetLastError(rc, nullptr);
  ASSERT_NE(error, nullptr);
  TOVNLSMsgBldrRfHndlr advice = static_cast<TOVError*>(error)->GetHAdviceBldr();
  EXPECT_STREQ(advice->GetMsgCatalogName(), "TOVCMD");
  EXPECT_STREQ(advice->GetMsgId(), "6031");
  EXPECT_EQ(static_cast<TOVError*>(error)->GetHRequestBldr().Get(), nullptr);
  error->Release();
  EXPECT_EQ(TakePendingError(rc), "TOVCMD 6030 " + dir);
  ExpectNotOpen(display);
}

TEST(AsciiFileDisplay, AFailedWriteIsKeptAndReturnedByClose) {
  TOVMessageDisplayToAsciiFile display("/dev/full");
  ASSERT_EQ(display.OpenFile(), 0);
  // More than the stream's buffer, so that the write itself meets the full device.
  std::string big(64 * 1024, 'f');
  display.Display(big.c_str(), 1);
  MORError* error = nullptr;
  EXPECT_EQ(display.GetDisplayError(error, 0), 0);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(TakePendingError(error->GetReturnCode()), "TOVBC 0203 /dev/full|" + NoSpace);
  display.Display(big.c_str(), 1); // not even tried: no new failure
  EXPECT_EQ(MORGetLastError(E_FAIL, nullptr), nullptr);

  long rc = display.CloseFile();
  EXPECT_EQ(MORGetLastError(rc, nullptr), error);
  error->Release(); // the reference MORGetLastError gave
  MORError* kept = nullptr;
  display.GetDisplayError(kept, 1); // forgotten: the pending error still holds it
  EXPECT_EQ(kept, error);
  display.GetDisplayError(kept, 0);
  EXPECT_EQ(kept, nullptr);
  EXPECT_EQ(TakePendingError(rc), "TOVBC 0203 /dev/full|" + NoSpace);

  // A write that fails only when the close flushes it is the close's failure.
  ASSERT_EQ(display.OpenFile(), 0);
  display.Display("small", 1);
  EXPECT_EQ(TakePendingError(display.CloseFile()), "TOVBC 0202 /dev/full|" + NoSpace);
}
