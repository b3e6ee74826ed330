// Every test of this program runs with the one global object cleaner that the shared
// comparators and coders are handed to.
#include "TOVTestSupport.h"

namespace {

[[maybe_unused]] const bool kCleaner = tovtest::UseGlobalCleaner();

} // namespace
