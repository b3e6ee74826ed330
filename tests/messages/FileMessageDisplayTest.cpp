#include "TOVErrorTestSupport.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplayToAsciiFile.h"
#include "TOVTestSupport.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace {

class AsciiFileDisplay : public testing::Test {
protected:
  void SetUp() override { _Dir = tovtest::MakeTempDir(); }
  void TearDown() override { MORCleanLastError(); }
  std::string _Dir;
};

} // namespace

TEST_F(AsciiFileDisplay, WritesEachMessageAndReplacesAnOldFile) {
  std::string path = _Dir + "/messages.txt";
  tovtest::WriteFile(path, "old content that must go\n");
  TOVMessageDisplayToAsciiFile display(path.c_str());
  ASSERT_EQ(display.OpenFile(), 0);
  display.Display("first", 1);
  display.Display("second ", 0);
  display.Display("caf\xC3\xA9", 1);
  display.Display("", 1);
  EXPECT_EQ(display.CloseFile(), 0);
  EXPECT_EQ(tovtest::ReadFile(path), "first\nsecond caf\xC3\xA9\n\n");
  MORError* error = reinterpret_cast<MORError*>(&display);
  EXPECT_EQ(display.GetDisplayError(error, 0), 0);
  EXPECT_EQ(error, nullptr);

  // Closed, the display can be opened again, and a dropped open display still saves.
  ASSERT_EQ(display.OpenFile(), 0);
  display.Display("again", 1);
  ASSERT_EQ(display.OpenFile(), 0);
  display.Display("reopened", 1);
  {
    TOVMessageDisplayToAsciiFile dropped((_Dir + "/dropped.txt").c_str());
    ASSERT_EQ(dropped.OpenFile(), 0);
    dropped.Display("kept", 0);
  }
  EXPECT_EQ(tovtest::ReadFile(_Dir + "/dropped.txt"), "kept");
  EXPECT_EQ(display.CloseFile(), 0);
  EXPECT_EQ(tovtest::ReadFile(path), "reopened\n");
}

TEST_F(AsciiFileDisplay, ADirectoryNameIsRefusedAndLeavesTheDisplayClosed) {
  TOVMessageDisplayToAsciiFile display(_Dir.c_str());
  long rc = display.OpenFile();
  TOVError* error = tovtest::ExpectPendingError(rc, "TOVCMD", "6030", {_Dir});
  if (error != nullptr) {
    EXPECT_EQ(error->GetType(), MORCriticalError);
    EXPECT_EQ(error->GetReturnCode(), E_FAIL);
    EXPECT_STREQ(error->GetHAdviceBldr()->GetMsgId(), "6031");
    EXPECT_EQ(tovtest::Parameters(error->GetHAdviceBldr()).size(), 0u);
    EXPECT_EQ(error->GetHRequestBldr().Get(), nullptr);
    error->Release();
  }
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

  // A file that cannot be created gives the open's own error.
  std::string missing = _Dir + "/no/such/dir/log.txt";
  TOVMessageDisplayToAsciiFile nowhere(missing.c_str());
  error =
      tovtest::ExpectPendingError(nowhere.OpenFile(), "TOVBC", "0201", {missing, strerror(ENOENT)});
  if (error != nullptr)
    error->Release();
}

TEST_F(AsciiFileDisplay, ClosingTwiceIsRefused) {
  TOVMessageDisplayToAsciiFile display((_Dir + "/once.txt").c_str());
  ASSERT_EQ(display.OpenFile(), 0);
  EXPECT_EQ(display.CloseFile(), 0);
  EXPECT_FATAL(
      {
        TOVGlobalObjectCleaner cleaner;
        display.CloseFile();
      },
      "OpenFile must be called before");
  EXPECT_FATAL(
      {
        TOVGlobalObjectCleaner cleaner;
        display.Display("after close", 0);
      },
      "OpenFile must be called before");
}

TEST_F(AsciiFileDisplay, AFailedWriteIsKeptAndReturnedByClose) {
  TOVMessageDisplayToAsciiFile display("/dev/full");
  ASSERT_EQ(display.OpenFile(), 0);
  // More than the stream's buffer, so that the write itself meets the full device.
  std::string big(64 * 1024, 'f');
  display.Display(big.c_str(), 1);
  MORError* error = nullptr;
  EXPECT_EQ(display.GetDisplayError(error, 0), 0);
  ASSERT_NE(error, nullptr);
  EXPECT_STREQ(error->GetMsgCatalog(), "TOVBC");
  EXPECT_STREQ(error->GetMsgId(), "0203");
  long writeCode = error->GetReturnCode();

  // Later messages are ignored; the pending error may change meanwhile.
  MORCleanLastError();
  display.Display("ignored", 1);
  MORError* again = nullptr;
  display.GetDisplayError(again, 0);
  EXPECT_EQ(again, error);

  long rc = display.CloseFile();
  EXPECT_EQ(rc, writeCode);
  TOVError* pending =
      tovtest::ExpectPendingError(rc, "TOVBC", "0203", {"/dev/full", strerror(ENOSPC)});
  EXPECT_EQ(pending, error);
  if (pending != nullptr)
    pending->Release();

  // Forgetting drops the display's reference; the pending error still holds one.
  display.GetDisplayError(again, 1);
  EXPECT_EQ(again, error);
  display.GetDisplayError(again, 0);
  EXPECT_EQ(again, nullptr);
}

TEST_F(AsciiFileDisplay, AWriteFailingOnlyAtTheCloseIsTheClosesFailure) {
  TOVMessageDisplayToAsciiFile display("/dev/full");
  ASSERT_EQ(display.OpenFile(), 0);
  display.Display("small", 1);
  TOVError* error = tovtest::ExpectPendingError(display.CloseFile(), "TOVBC", "0202",
                                                {"/dev/full", strerror(ENOSPC)});
  if (error != nullptr)
    error->Release();
}
