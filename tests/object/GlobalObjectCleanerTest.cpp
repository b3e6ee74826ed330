#include "TOVFatalErrorDisplayToTerm.h"
#include "TOVFatalInternalError.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVTestSupport.h"

#include <string>

namespace {

std::string gReleased;

class Named : public MORBaseUnknown {
public:
  explicit Named(char name) : _Name(name) {}
  ~Named() override { gReleased += _Name; }

private:
  char _Name;
};

// An object that, while the cleaner releases it, tries to hand another one over.
class LateAdder : public MORBaseUnknown {
public:
  ~LateAdder() override { TOVGlobalObjectCleaner::Add(new Named('L')); }
};

// A fatal-error display that records that Display ran after the report was written.
class RecordingDisplay : public TOVFatalErrorDisplay {
public:
  TOVOFStream& GetOutputStream() override { return TOVStderr; }
  void Display() override { TOVStderr << "display called" << endl; }
};

} // namespace

TEST(GlobalObjectCleaner, ReleasesLastAddedFirstAndGrowsByHundredEntries) {
  gReleased.clear();
  {
    TOVGlobalObjectCleaner cleaner;
    EXPECT_EQ(TOVGlobalObjectCleaner::GetGlobal(), &cleaner);
    EXPECT_EQ(cleaner.GetCapacity(), 0);
    MORBaseUnknown* x = new Named('X');
    EXPECT_EQ(TOVGlobalObjectCleaner::Add(x), x);
    for (int i = 1; i < 100; ++i)
      TOVGlobalObjectCleaner::Add(new Named('.'));
    EXPECT_EQ(cleaner.GetCapacity(), 100);
    TOVGlobalObjectCleaner::Add(new Named('Y'));
    TOVGlobalObjectCleaner::Add(new Named('Z'));
    EXPECT_EQ(cleaner.GetCapacity(), 200);
    EXPECT_EQ(cleaner.GetCount(), 102);
    EXPECT_EQ(gReleased, "");
  }
  EXPECT_EQ(gReleased, "ZY" + std::string(99, '.') + "X");
  EXPECT_EQ(TOVGlobalObjectCleaner::GetGlobal(), nullptr);
}

TEST(GlobalObjectCleaner, DefaultFatalDisplayIsOwnedByTheCleanerAndForgottenWithIt) {
  {
    TOVGlobalObjectCleaner cleaner;
    TOVFatalErrorDisplay& display = TOVFatalErrorDisplay::GetGlobal();
    EXPECT_STREQ(display.IsA(), "TOVFatalErrorDisplayToTerm");
    EXPECT_EQ(&display.GetOutputStream(), &TOVStderr);
    EXPECT_EQ(&TOVFatalErrorDisplay::GetGlobal(), &display);
    EXPECT_EQ(cleaner.GetCount(), 1);
  }
  // The display went with the cleaner; a new one is made for the next cleaner.
  TOVGlobalObjectCleaner cleaner;
  EXPECT_EQ(cleaner.GetCount(), 0);
  TOVFatalErrorDisplay::GetGlobal();
  EXPECT_EQ(cleaner.GetCount(), 1);
}

TEST(GlobalObjectCleanerDeathTest, MisuseIsFatal) {
  EXPECT_FATAL(TOVGlobalObjectCleaner::Add(new Named('A')), "One global object cleaner must exist");
  EXPECT_FATAL(
      {
        TOVGlobalObjectCleaner cleaner;
        TOVFatalErrorDisplay::GetGlobal();
        TOVGlobalObjectCleaner::Add(new LateAdder);
      },
      "TOVGlobalObjectCleaner::Add(...) during or after destruction");
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVGlobalObjectCleaner second, "Only one global object cleaner can exist");
  EXPECT_FATAL(TOVGlobalObjectCleaner::Add(nullptr), "TOVGlobalObjectCleaner::Add(<NULL>)");
}

TEST(FatalReportDeathTest, WritesBothLinesWithFileAndLineThenTheInstalledDisplay) {
  EXPECT_FATAL(TOVFatalInternalError("anything"), "One global object cleaner must exist");
  {
    TOVGlobalObjectCleaner cleaner;
    EXPECT_DEATH(TOVFatalInternalError("bad index ", 7, ' ', "of", 3L),
                 "^#ERR# Fatal internal error: 'bad index 7 of3' on file: "
                 "tests/object/GlobalObjectCleanerTest\\.cpp at line: [0-9]+\nContact your "
                 "administrator\n$");
  }
  RecordingDisplay display;
  TOVFatalErrorDisplay::SetGlobal(display);
  EXPECT_DEATH(TOVFatalInternalErrorAt("somewhere.cpp", 12, "boom"),
               "^#ERR# Fatal internal error: 'boom' on file: somewhere.cpp at line: 12\n"
               "Contact your administrator\ndisplay called\n$");
}
