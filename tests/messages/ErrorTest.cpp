#include "MessagesTestSupport.h"
#include "TOVError.h"
#include "TOVRaiseError.h"

#include <string>
#include <tuple>

using msgtest::Fixed;
using msgtest::None;
using msgtest::Utf8;

namespace {

// The whole message of an error made of the three texts (empty: no builder).
std::string Message(const char* request, const char* diagnostic, const char* advice) {
  auto maybe = [](const char* text) { return *text ? Fixed(text) : TOVNLSMsgBldrRfHndlr(); };
  TOVError error("f.cpp", 1, maybe(request), maybe(diagnostic), maybe(advice), MORWarning, E_FAIL);
  return Utf8(error.GetNLSMessage());
}

// Releases the pending error so that each test starts without one.
struct NoPendingError : ::testing::Test {
  void SetUp() override { MORCleanLastError(); }
  void TearDown() override { MORCleanLastError(); }
};

} // namespace

TEST(Error, TakesCatalogAndIdFromTheDiagnosticAndItsCloneSharesTheBuilders) {
  TOVNLSMsgBldrRfHndlr diagnostic = Fixed("D", "TOVBC", "0205");
  TOVError error("a.cpp", 7, Fixed("R", "REQ", "1111"), diagnostic, Fixed("A"), MORWarning, 5);
  EXPECT_STREQ(error.GetMsgCatalog(), "TOVBC");
  EXPECT_STREQ(error.GetMsgId(), "0205");
  EXPECT_EQ(diagnostic->GetRefCount(), 2); // ours and the error's
  EXPECT_EQ(error.GetSourceFileName(nullptr), E_POINTER);
  MORError* clone = error.CloneSelf();
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(std::make_tuple(clone->GetType(), clone->GetReturnCode(), clone->GetSourceLineNumber()),
            std::make_tuple(MORWarning, 5L, 7));
  char* file = nullptr;
  clone->GetSourceFileName(&file);
  EXPECT_STREQ(file, "a.cpp");
  EXPECT_EQ(Utf8(clone->GetNLSMessage()), "R\nD\nA");
  EXPECT_EQ(static_cast<TOVError*>(clone)->GetHDiagnosticBldr().Get(), diagnostic.Get());
  clone->Release();

  TOVError noDiagnostic(nullptr, 0, Fixed("R"), None, None, MORCriticalError, E_FAIL);
  EXPECT_EQ(noDiagnostic.GetMsgCatalog(), nullptr);
  EXPECT_EQ(noDiagnostic.GetMsgId(), nullptr);
}

TEST(Error, MessageSeparatorsFollowTheRequest) {
  EXPECT_EQ(Message("R", "D", "A"), "R\nD\nA");
  EXPECT_EQ(Message("", "D", "A"), "DA");
  EXPECT_EQ(Message("R", "", "A"), "R\nA");
  EXPECT_EQ(Message("R", "D", ""), "R\nD");
  EXPECT_EQ(Message("", "", ""), "");

  TOVError error("f", 1, Fixed("R"), Fixed("D"), Fixed("A"), MORWarning, E_FAIL);
  error.SetHRequestBldr(None);
  error.SetHAdviceBldr(Fixed("B"));
  error.SetHDiagnosticBldr(Fixed("E"));
  EXPECT_EQ(Utf8(error.GetNLSMessage()), "EB");
}

TEST(Error, KeepsALongSourceFileNameWhole) {
  std::string name(200, 'n');
  name.replace(0, 4, "dir/");
  TOVError error(name.c_str(), 3, None, Fixed("D"), None, MORCriticalError, E_FAIL);
  char* file = nullptr;
  error.GetSourceFileName(&file);
  EXPECT_EQ(std::string(file), name);
  char* cut = nullptr;
  error.MORError::GetSourceFileName(&cut);
  EXPECT_EQ(std::string(cut), name.substr(0, 127));

  error.SetSourceFileName(nullptr);
  error.GetSourceFileName(&file);
  EXPECT_STREQ(file, "");
  EXPECT_EQ(error.Setup("place.cpp", 9), &error);
  error.GetSourceFileName(&file);
  EXPECT_STREQ(file, "place.cpp");
  EXPECT_EQ(error.GetSourceLineNumber(), 9);
}

TEST_F(NoPendingError, RaisingMakesThePendingError) {
  long rc = TOV_RAISE_ERROR(TOVCatalogMsg("TOVBC", "0013", "cmd -x"),
                            TOVCatalogMsg("TOVBC", "0001", "-x"), None);
  EXPECT_EQ(rc, E_FAIL);
  MORError* pending = MORGetLastError(rc, nullptr);
  ASSERT_NE(pending, nullptr);
  char* file = nullptr;
  pending->GetSourceFileName(&file);
  EXPECT_STREQ(file, "tests/messages/ErrorTest.cpp");
  EXPECT_EQ(Utf8(pending->GetNLSMessage()).find("!!!"), std::string::npos);
  pending->Release();
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0001 -x");
  EXPECT_EQ(TOV_RAISE_ERROR(None, TOVCatalogMsg("TOVBC", "0216", 12, 80), None, MORWarning, 7), 7);
  EXPECT_EQ(TOV_RETURN_SUCCESS(), 0);
}

TEST_F(NoPendingError, GetOrMakeLastErrorFindsOrMakes) {
  EXPECT_EQ(TOVError::GetOrMakeLastError(0), nullptr);

  long rc = TOV_RAISE_ERROR(None, Fixed("D"), None);
  MORError* pending = TOVError::GetOrMakeLastError(rc);
  EXPECT_STREQ(pending->GetMsgId(), "0000");
  pending->Release();
  MORCleanLastError();

  for (long code : {E_FAIL, E_INVALIDARG, 1L, 12345L}) {
    MORError* made = TOVError::GetOrMakeLastError(code);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetReturnCode(), code);
    EXPECT_EQ(made->GetType(), code < 0 ? MORCriticalError : MORWarning);
    EXPECT_STREQ(made->GetMsgId(), "0100");
    EXPECT_EQ(Utf8(made->GetNLSDiagnostic()).find("!!!"), std::string::npos);
    EXPECT_EQ(made->GetRefCount(), 1);
    EXPECT_EQ(MORGetLastError(code, nullptr), nullptr); // not made pending
    made->Release();
  }
}

TEST_F(NoPendingError, ReplaceLastErrorRequestChangesOnlyATOVError) {
  long rc = TOV_RAISE_ERROR(Fixed("old"), Fixed("D"), None);
  TOVError::ReplaceLastErrorRequest(rc, Fixed("new"));
  MORError* pending = MORGetLastError(rc, nullptr);
  EXPECT_EQ(Utf8(pending->GetNLSRequest()), "new");
  EXPECT_EQ(pending->GetRefCount(), 2); // the runtime's and ours: none leaked
  pending->Release();

  long plain = MORError::GetReturn(2, new MORError(3), nullptr, "f", 1);
  TOVError::ReplaceLastErrorRequest(plain, Fixed("ignored"));
  pending = MORGetLastError(plain, nullptr);
  ASSERT_NE(pending, nullptr);
  EXPECT_EQ(Utf8(pending->GetNLSRequest()), "");
  pending->Release();
}

TEST_F(NoPendingError, MakingAnErrorPendingAgainKeepsItsCount) {
  TOVError* error = new TOVError("f", 1, None, Fixed("D"), None, MORCriticalError, E_FAIL);
  error->AddRef(); // ours
  EXPECT_EQ(E_FAIL, MORError::GetReturn(2, error, nullptr, "f", 1));
  error->AddRef(); // the same error, a second reference given
  EXPECT_EQ(E_FAIL, MORError::GetReturn(2, error, nullptr, "f", 1));
  EXPECT_EQ(error->GetRefCount(), 2); // ours and the pending one
  MORCleanLastError();
  EXPECT_EQ(error->GetRefCount(), 1);
  error->Release();
}
