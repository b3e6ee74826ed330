#include "TOVGlobalObjectCleaner.h"
#include "TOVPerformanceTimer.h"
#include "TOVTestSupport.h"
#include "TOVUUIDCalculator.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

class FixedCalculator : public TOVUUIDCalculator {
public:
  const char* Get() override { return "fixed"; }
};

} // namespace

TEST(UUIDCalculatorDeathTest, GlobalIsSetOnceOrMadeOnFirstUseAndOwnedByTheCleaner) {
  TOVGlobalObjectCleaner cleaner;
  {
    FixedCalculator mine;
    TOVUUIDCalculator::SetGlobal(mine);
    EXPECT_STREQ(TOVUUIDCalculator::GetGlobal().Get(), "fixed");
    EXPECT_EQ(cleaner.GetCount(), 0); // its owner keeps it
  }
  // The calculator that went away is no longer the global one: a default one is made.
  TOVUUIDCalculator& global = TOVUUIDCalculator::GetGlobal();
  EXPECT_EQ(&TOVUUIDCalculator::GetGlobal(), &global);
  EXPECT_EQ(cleaner.GetCount(), 1);
  EXPECT_EQ(std::string(global.Get()).size(), 20u);
  FixedCalculator other;
  EXPECT_FATAL(TOVUUIDCalculator::SetGlobal(other), "A global calculator has already been set");
}

TEST(PerformanceTimer, EnvironmentSwitchesTracesOnMeasuresAndGlobalSamples) {
  setenv("TOV_PERFORMANCE_TRACES", "", 1); // set, even empty: active
  TOVGlobalObjectCleaner cleaner;
  TOVPerformanceTimer& timer = TOVPerformanceTimer::GetGlobal();
  EXPECT_EQ(timer.IsActive(), 1u);
  timer.StartTimer();
  usleep(30000);
  timer.StopTimer();
  EXPECT_EQ(timer.GetStatus(), 0);
  EXPECT_GE(timer.GetElapsedTime(), 30ul);
  EXPECT_LT(timer.GetCPUTime(), timer.GetElapsedTime());
  timer.GetGlobalTime();
  const unsigned long cpu = TOVGlobalCPUTime;
  const unsigned long elapsed = TOVGlobalElapsedTime;
  usleep(20000);
  timer.GetGlobalTime();
  EXPECT_EQ(TOVLastGlobalCPUTime, cpu);
  EXPECT_EQ(TOVLastGlobalElapsedTime, elapsed);
  EXPECT_GE(TOVGlobalElapsedTime, elapsed + 20);
  unsetenv("TOV_PERFORMANCE_TRACES");
}
