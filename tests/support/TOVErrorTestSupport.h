// Checking the recoverable errors that operations raise.
#ifndef TOVERRORTESTSUPPORT_H
#define TOVERRORTESTSUPPORT_H

#include "TOVError.h"
#include "TOVParamNLSMsgBldrCtlg.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tovtest {

/// The parameters of a catalog message builder, as UTF-8 texts; empty for another builder.
inline std::vector<std::string> Parameters(const TOVNLSMsgBldrRfHndlr& builder) {
  std::vector<std::string> texts;
  if (builder.Get() == nullptr || !builder->IsAKindOf("TOVParamNLSMsgBldrCtlg"))
    return texts;
  auto* params = static_cast<TOVParamNLSMsgBldrCtlg*>(builder.Get());
  for (int i = 0; i < params->GetNbParameters(); ++i) {
    const MORUnicodeString& p = params->GetParameter(i);
    texts.push_back(MORUnicodeString::EncodeUtf8(p, p.GetLengthInChar()));
  }
  return texts;
}

/// Checks that rc is a failure whose pending error is a TOVError with the diagnostic
/// msgId of catalog and these parameters; gives the error (a reference the caller
/// releases) or null.
inline TOVError* ExpectPendingError(long rc, const char* catalog, const char* msgId,
                                    const std::vector<std::string>& params) {
  EXPECT_LT(rc, 0);
  MORError* pending = MORGetLastError(rc, nullptr);
  EXPECT_NE(pending, nullptr);
  if (pending == nullptr)
    return nullptr;
  EXPECT_TRUE(pending->IsAKindOf("TOVError"));
  auto* error = static_cast<TOVError*>(pending);
  EXPECT_STREQ(error->GetMsgCatalog(), catalog);
  EXPECT_STREQ(error->GetMsgId(), msgId);
  EXPECT_EQ(Parameters(error->GetHDiagnosticBldr()), params);
  return error;
}

} // namespace tovtest

#endif
