#include "TOVFatalErrorDisplayToTerm.h"
#include "TOVFatalInternalError.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVTestSupport.h"

TEST(FatalReportDeathTest, WithoutCleanerReportsThatOneMustExist) {
  EXPECT_FATAL(TOVFatalInternalError("anything"), "One global object cleaner must exist");
}

TEST(FatalReportDeathTest, WritesBothLinesWithFileAndLine) {
  TOVGlobalObjectCleaner cleaner;
  EXPECT_DEATH(TOVFatalInternalError("bad index ", 7, ' ', "of", 3L),
               "^#ERR# Fatal internal error: 'bad index 7 of3' on file: "
               "tests/object/FatalReportTest\\.cpp at line: [0-9]+\nContact your administrator\n$");
}
