// A program that uses the installed library as any user would, through TOV classes only:
// a cleaner, strings kept in order by a sorted vector, the standard streams and the
// version. Its objects live on the stack, so that, linked with --as-needed, it needs
// libTOVBasic alone, which must then find the runtime library by itself.
#include "TOVGlobalObjectCleaner.h"
#include "TOVOFStream.h"
#include "TOVSortedVector.h"
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

  TOVString words[] = {"package", "installed", "the", "from", "hello"};
  TOVSortedVector sorted(TOVStringExtCharsCmp::GetGlobal(), TOVContainerNothingAtDelete);
  for (TOVString& word : words)
    sorted.Add(&word, 0);
  if (sorted.Size() != 5)
    return Fail("the sorted vector lost a word");
  sorted.Sort();

  // Joined in the order of the vector: alphabetical.
  TOVString text;
  for (int i = 0; i < sorted.Size(); ++i) {
    if (i > 0)
      text += " ";
    text += *static_cast<TOVString*>(sorted[i]);
  }
  if (text != "from hello installed package the")
    return Fail("the sorted vector is out of order");

  TOVStdout << "hello from the installed package, version " << TOVGetVersion() << endl;
  return 0;
}
