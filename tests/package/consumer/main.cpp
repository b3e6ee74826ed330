// A program that uses the installed library as any user would: a cleaner, a class of its
// own held by a reference handler, the standard streams and the version.
#include "MORBaseUnknownRfHndlr.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMacro.h"
#include "TOVOFStream.h"
#include "TOVVersion.h"

#include <cstring>

class Greeting : public MORBaseUnknown {
  TOV_DECLARE_CLASS(Greeting)
public:
  const char* Text() const { return "hello from the installed package"; }
};
TOV_IMPLEMENT_CLASS(Greeting, MORBaseUnknown)

TOV_DECLARE_RFHNDLR(Greeting, MORBaseUnknownRfHndlr)

static int Fail(const char* what) {
  TOVStderr << "consumer: " << what << endl;
  return 1;
}

int main() {
  TOVGlobalObjectCleaner cleaner;
  if (std::strcmp(TOVGetVersion(), EXPECTED_VERSION) != 0)
    return Fail("the library's version differs from the package's");

  GreetingRfHndlr first(TOVRfHndlrNoAddRef, new Greeting);
  GreetingRfHndlr second(first);
  if (first->GetRefCount() != 2)
    return Fail("a copied handler does not share its object");
  if (!second->IsAKindOf("MORBaseUnknown") || std::strcmp(second->IsA(), "Greeting") != 0)
    return Fail("the class of the object is not known to the runtime");

  TOVStdout << second->Text() << ", version " << TOVGetVersion() << endl;
  return 0;
}
