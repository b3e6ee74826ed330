// Every test of this program runs with the one global object cleaner that the shared
// comparators and coders are handed to.
#include "TOVGlobalObjectCleaner.h"
#include "TOVTestSupport.h"

namespace {

class CleanerEnvironment : public ::testing::Environment {
public:
  void SetUp() override { _pCleaner = new TOVGlobalObjectCleaner; }
  void TearDown() override { delete _pCleaner; }

private:
  TOVGlobalObjectCleaner* _pCleaner = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new CleanerEnvironment);

} // namespace
