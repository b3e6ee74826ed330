// Helpers shared by the tests of messages, errors and displays.
#ifndef MESSAGESTESTSUPPORT_H
#define MESSAGESTESTSUPPORT_H

#include "MORUnicodeString.h"
#include "TOVNLSMsgBldrFromString.h"
#include "TOVNLSMsgBldrRfHndlr.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"

#include <string>

namespace msgtest {

using tovtest::Utf8;

/// No builder.
const TOVNLSMsgBldrRfHndlr None;

/// A handler on a builder of a fixed text, filed under catalog and id.
inline TOVNLSMsgBldrRfHndlr Fixed(const char* text, const char* catalog = "TST",
                                  const char* id = "0000") {
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef,
                              new TOVNLSMsgBldrFromString(MORUnicodeString(text), catalog, id));
}

/// A directory holding the catalog TST made of the given lines.
inline std::string TestCatalogDir(const std::string& lines) {
  std::string dir = tovtest::MakeTempDir();
  tovtest::WriteFile(dir + "/TST.msg", lines);
  return dir;
}

} // namespace msgtest

#endif
