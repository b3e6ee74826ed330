// The host operations of the utilities: terminal displays, external commands, operations
// on containers and objects made through the runtime.
#include "MORCreateClassInstance.h"
#include "TOVErrorDisplay.h"
#include "TOVExtAnyInteger.h"
#include "TOVExtAnyString.h"
#include "TOVExtIntegerCmp.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplayToString.h"
#include "TOVPendingError.h"
#include "TOVRaiseError.h"
#include "TOVSortedVector.h"
#include "TOVTestSupport.h"
#include "TOVUtilities.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using ::testing::MatchesRegex;

std::string Shown(TOVMessageDisplayToString& display) {
  return tovtest::Utf8(display.GetMessageW());
}

TEST(UtilitiesHost, TerminalDisplaysFollowTheCharacterSet) {
  for (const char* charset : {"OEM", "iso", ""}) {
    TOVGlobalObjectCleaner cleaner;
    setenv("TOV_TERM_CS", charset, 1);
    TOVUtilities::MakeAndSetAsGlobalDisplayToTerm();
    bool oem = std::string(charset) == "OEM";
    EXPECT_STREQ(TOVMessageDisplay::GetGlobal().IsA(),
                 oem ? "TOVMessageDisplayToOemTerm" : "TOVMessageDisplayToISO8859Term");
    EXPECT_STREQ(TOVErrorDisplay::GetGlobal().IsA(),
                 oem ? "TOVErrorDisplayToOemTerm" : "TOVErrorDisplayToISO8859Term");
    EXPECT_EQ(cleaner.GetCount(), 2);
  }
  unsetenv("TOV_TERM_CS");
}

TEST(UtilitiesHost, ExternalCommandShowsWholeLinesAndGivesItsStatus) {
  TOVMessageDisplayToString display;
  TOVMessageDisplay::SetGlobal(display);
  // A line far longer than any fixed buffer is one line; the last needs no line feed.
  EXPECT_EQ(TOVUtilities::ExecuteExternalCommand("printf 'first\\n%3000s\\n\\nlast' x; exit 3"), 3);
  EXPECT_EQ(Shown(display), "first\n" + std::string(2999, ' ') + "x\n\nlast\n");
  display.Clear();
  EXPECT_EQ(TOVUtilities::ExecuteExternalCommand("printf 'caf\\351\\n'"), 0);
  EXPECT_EQ(Shown(display), "caf\xC3\xA9\n");
  EXPECT_EQ(TOVUtilities::ExecuteExternalCommand("exec /nonexistent/command 2>/dev/null"), 127);
  EXPECT_EQ(TOVUtilities::ExecuteExternalCommand("kill -9 $$"), -1);
}

// ---------------------------------------------------------------------------
// Operations on containers, against the standard algorithms on the same values.

class ContainerOpsTest : public ::testing::Test {
protected:
  TOVExtAnyInteger* Make(int value) {
    _Objects.push_back(std::make_unique<TOVExtAnyInteger>(value));
    return _Objects.back().get();
  }
  // A sorted vector of objects of the given values.
  std::unique_ptr<TOVSortedVector> Sorted(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    auto vector = std::make_unique<TOVSortedVector>(_Cmp, TOVContainerNothingAtDelete);
    for (int v : values)
      vector->Add(Make(v), 1);
    vector->SetIsSorted(1, 1);
    return vector;
  }
  static std::vector<int> Values(const TOVVector& vector) {
    std::vector<int> values;
    for (int i = 0; i < vector.Size(); ++i)
      values.push_back(static_cast<TOVExtInteger*>(vector[i])->GetInteger());
    return values;
  }
  std::vector<int> Random(std::mt19937& random, int maxSize, int range) {
    std::vector<int> values(random() % (maxSize + 1));
    for (int& v : values)
      v = static_cast<int>(random() % range);
    std::sort(values.begin(), values.end());
    return values;
  }

  TOVGlobalObjectCleaner _Cleaner;
  TOVExtIntegerCmp _Cmp;
  std::vector<std::unique_ptr<TOVExtAnyInteger>> _Objects;
};

using ContainerOpsDeathTest = ContainerOpsTest;

TEST_F(ContainerOpsTest, DiffSortedVectorsMatchesTheStandardSetOperations) {
  std::mt19937 random(28);
  for (int round = 0; round < 400; ++round) {
    std::vector<int> a = Random(random, 12, 10), b = Random(random, 12, 10);
    // With skipping, the vectors keep their duplicates and the walk passes over them: the
    // result is that of the standard operations on the distinct values.
    unsigned int skip = round % 2;
    auto va = Sorted(a), vb = Sorted(b);
    if (skip != 0) {
      a.erase(std::unique(a.begin(), a.end()), a.end());
      b.erase(std::unique(b.begin(), b.end()), b.end());
    }
    TOVVector only1(TOVContainerNothingAtDelete), only2(TOVContainerNothingAtDelete),
        both(TOVContainerNothingAtDelete), all(TOVContainerNothingAtDelete);
    TOVUtilities::DiffSortedVectors(*va, *vb, _Cmp, skip, &only1, &only2, &both, &all);
    std::vector<int> expected[4];
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(expected[0]));
    std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(expected[1]));
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(expected[2]));
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(expected[3]));
    ASSERT_EQ(Values(only1), expected[0]);
    ASSERT_EQ(Values(only2), expected[1]);
    ASSERT_EQ(Values(both), expected[2]);
    ASSERT_EQ(Values(all), expected[3]);
    // The objects of both come from the first vector.
    for (int i = 0; i < both.Size(); ++i)
      ASSERT_EQ(va->Contains(both[i]), 1u);
    // Outputs are optional.
    TOVUtilities::DiffSortedVectors(*va, *vb, _Cmp, skip, nullptr, nullptr, nullptr, nullptr);

    TOVVector distinct(TOVContainerNothingAtDelete), duplicates(TOVContainerNothingAtDelete);
    auto vc = Sorted(Random(random, 12, 6));
    TOVUtilities::GetDistinctObjects(*vc, _Cmp, distinct, &duplicates);
    std::vector<int> values = Values(*vc), unique;
    std::unique_copy(values.begin(), values.end(), std::back_inserter(unique));
    ASSERT_EQ(Values(distinct), unique);
    ASSERT_EQ(duplicates.Size(), vc->Size() - distinct.Size());

    ASSERT_EQ(TOVUtilities::SetsSharesAtLeastOneElement(*va, *vb, _Cmp, _Cmp),
              expected[2].empty() ? 0u : 1u);
    MORBaseUnknown* duplicate = nullptr;
    ASSERT_EQ(TOVUtilities::CheckNotMultiDefinedElementInVector(*vc, _Cmp, duplicate),
              unique.size() == values.size() ? 1u : 0u);
    ASSERT_EQ(duplicate == nullptr, unique.size() == values.size());
  }
}

TEST_F(ContainerOpsTest, AppendAndRemove) {
  auto source = Sorted({3, 1, 2});
  TOVVector target(TOVContainerNothingAtDelete);
  TOVUtilities::AppendContainers(target, *source);
  EXPECT_EQ(Values(target), (std::vector<int>{1, 2, 3}));
  long before = (*source)[0]->GetRefCount();
  TOVUtilities::AppendContainersWithAddRef(target, *source);
  EXPECT_EQ((*source)[0]->GetRefCount(), before + 1);
  TOVUtilities::RemoveElementsWithRelease(target, *source, 1);
  EXPECT_EQ((*source)[0]->GetRefCount(), before);
  EXPECT_EQ(target.Size(), 0); // every occurrence goes
  TOVUtilities::RemoveElements(target, *source, 0);
}

TEST_F(ContainerOpsTest, ConcatStrings) {
  TOVString a("alpha"), empty, b("beta");
  TOVExtAnyString c("gamma");
  TOVVector objects(TOVContainerNothingAtDelete), onlyEmpty(TOVContainerNothingAtDelete);
  for (MORBaseUnknown* obj : std::initializer_list<MORBaseUnknown*>{&a, &empty, &b, &c})
    objects.Add(obj, 1);
  onlyEmpty.Add(&empty, 1);
  EXPECT_STREQ(TOVUtilities::ConcatStrings(objects, 1, ", ", "<", ">", "-"),
               "<alpha>, <beta>, <gamma>");
  EXPECT_STREQ(TOVUtilities::ConcatStrings(objects, 0, ", ", nullptr, "", "(none)"),
               "alpha, (none), beta, gamma");
  EXPECT_STREQ(TOVUtilities::ConcatStrings(onlyEmpty, 1, ",", "<", ">", "x"), "");
}

TEST_F(ContainerOpsDeathTest, PreconditionsAreFatal) {
  auto unsortedByCmp = std::make_unique<TOVSortedVector>(TOVContainerNothingAtDelete);
  auto sorted = Sorted({1});
  TOVVector target(TOVContainerNothingAtDelete), distinct(TOVContainerNothingAtDelete);
  EXPECT_FATAL(TOVUtilities::RemoveElements(target, *sorted, 1),
               "All the elements of Container2 aren't removed from Container1");
  EXPECT_FATAL(TOVUtilities::GetDistinctObjects(*unsortedByCmp, _Cmp, distinct, nullptr),
               "ObjSet must be sorted by the comparator");
  EXPECT_FATAL(TOVUtilities::DiffSortedVectors(*unsortedByCmp, *sorted, _Cmp, 0, nullptr, nullptr,
                                               nullptr, nullptr),
               "ObjSet1 must be sorted by the comparator");
  EXPECT_FATAL(TOVUtilities::DiffSortedVectors(*sorted, *unsortedByCmp, _Cmp, 0, nullptr, nullptr,
                                               nullptr, nullptr),
               "ObjSet2 must be sorted by the comparator");
}

// ---------------------------------------------------------------------------
// Objects made through the runtime.

// The pending error of rc as "request/diagnostic/advice: diagnostic text" when it is a
// critical TOVError of code rc, then forgotten.
std::string TakeError(long rc) {
  MORError* pending = MORGetLastError(rc, nullptr);
  MORCleanLastError();
  if (pending == nullptr || !pending->IsAKindOf("TOVError") ||
      pending->GetType() != MORCriticalError || pending->GetReturnCode() != rc)
    return "no critical error of the code";
  auto* error = static_cast<TOVError*>(pending);
  std::string ids;
  for (const TOVNLSMsgBldrRfHndlr& builder :
       {error->GetHRequestBldr(), error->GetHDiagnosticBldr(), error->GetHAdviceBldr()})
    ids += (ids.empty() ? "" : "/") + std::string(builder.Get() ? builder->GetMsgId() : "-");
  ids += ": " + tovtest::Utf8(error->GetNLSDiagnostic());
  error->Release();
  return ids;
}

TEST(UtilitiesHost, RuntimeFailuresBecomeErrors) {
  TOVGlobalObjectCleaner cleaner;
  void* out = nullptr;
  MORGUID unknown = {0x12345678u, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
  const MORGUID& root = MORBaseUnknown::ClassId();
  // The runtime's own failure code is kept.
  long rc = TOVUtilities::MORCreateClassInstance(unknown, nullptr, 4, root, &out);
  EXPECT_EQ(rc, CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_THAT(TakeError(rc), MatchesRegex("0500/0501/0502: .*"
                                          "\\{12345678-0001-0002-0304-05060708090A\\}.* 4.*"));
  rc = TOVUtilities::MORCreateClassInstance("NoSuchClass", nullptr, 4, root, &out);
  EXPECT_THAT(TakeError(rc), MatchesRegex("0500/0503/0502: .*\"NoSuchClass\".* 4.*"));
  EXPECT_EQ(out, nullptr);
  TOVString text("x");
  rc = TOVUtilities::QueryInterface(text, unknown, &out);
  EXPECT_THAT(TakeError(rc), MatchesRegex("0504/0505/0502: .*\"TOVString\".*"
                                          "\\{12345678-0001-0002-0304-05060708090A\\}.*"));
  // A pending error that the runtime made for the code is kept as it is.
  rc = TOV_RAISE_ERROR(TOVCatalogMsg("TOVBC", "0100"), TOVCatalogMsg("TOVBC", "0100"),
                       TOVNLSMsgBldrRfHndlr(), MORCriticalError, E_NOINTERFACE);
  EXPECT_EQ(TOVUtilities::QueryInterface(text, unknown, &out), E_NOINTERFACE);
  EXPECT_THAT(TakeError(rc), ::testing::StartsWith("0100/0100/-:"));
  EXPECT_EQ(TOVUtilities::QueryInterface(text, root, &out), 0);
  static_cast<MORBaseUnknown*>(out)->Release();
}

} // namespace
