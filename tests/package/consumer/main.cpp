// A program that uses the installed library as any user would, through TOV classes only:
// a cleaner, strings kept in order by a sorted vector, the standard streams and the
// version. Linked with --as-needed, it then depends on TOVBasic alone, which must find
// the runtime library by itself.
#include "TOVGlobalObjectCleaner.h"
#include "TOVOFStream.h"
#include "TOVSortedVectorRfHndlr.h"
#include "TOVString.h"
#include "TOVStringExtCharsCmp.h"
#include "TOVVersion.h"

#include <cstring>

static int Fail(const char* what) {
  TOVStderr << "consumer: " << what << endl;
  return 1;
}

int main() {
  TOVGlobalObjectCleaner cleaner;
  if (std::strcmp(TOVGetVersion(), EXPECTED_VERSION) != 0)
    return Fail("the library's version differs from the package's");

  // The vector releases its strings when it goes.
  TOVSortedVectorRfHndlr words(
      TOVRfHndlrNoAddRef,
      new TOVSortedVector(TOVStringExtCharsCmp::GetGlobal(), TOVContainerReleaseAtDelete));
  for (const char* word : {"package", "installed", "the", "from", "hello"})
    words->Add(new TOVString(word), 0);
  if (words->Size() != 5)
    return Fail("the sorted vector lost a word");

  // Printed in the order of the vector: alphabetical.
  TOVString text;
  for (int i = 0; i < words->Size(); ++i) {
    if (i > 0)
      text += " ";
    text += *static_cast<TOVString*>((*words)[i]);
  }
  if (text != "from hello installed package the")
    return Fail("the sorted vector is out of order");

  TOVStdout << "hello from the installed package, version " << TOVGetVersion() << endl;
  return 0;
}
