#include "MORError.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace {

// An error that counts its destructions, so that tests see every reference dropped.
class CountedError : public MORError {
public:
  explicit CountedError(long rc, int* deleted) : MORError(7), _pDeleted(deleted) {
    SetReturnCode(rc);
  }
  ~CountedError() override { ++*_pDeleted; }

private:
  int* _pDeleted;
};

std::string SourceFile(MORError& error) {
  char* file = nullptr;
  EXPECT_EQ(error.GetSourceFileName(&file), 0);
  return file;
}

} // namespace

TEST(Error, DefaultsSourcePlaceAndDeepClone) {
  MORError* error = new MORError(5, "0201", "TOVBC");
  EXPECT_EQ(error->GetType(), MORCriticalError);
  EXPECT_EQ(error->GetReturnCode(), E_FAIL);
  // No source place yet: an empty name; a long name is cut at the limit.
  MORError* bare = new MORError(0);
  EXPECT_EQ(SourceFile(*bare), "");
  EXPECT_EQ(bare->GetSourceFileName(nullptr), E_POINTER);
  EXPECT_EQ(bare->GetNLSMessage(), MORUnicodeString(""));
  std::string longName(200, 'f');
  EXPECT_EQ(bare->Setup(longName.c_str(), 12), bare);
  EXPECT_EQ(bare->GetSourceLineNumber(), 12);
  EXPECT_EQ(SourceFile(*bare), longName.substr(0, MORError::MaxSourceFileName));
  bare->SetSourceFileName(nullptr);
  EXPECT_EQ(SourceFile(*bare), "");

  error->SetType(MORWarning);
  error->SetReturnCode(MOR_STATUS(0x80070002u));
  MORError* clone = error->CloneSelf();
  EXPECT_EQ(clone->GetType(), MORWarning);
  EXPECT_EQ(clone->GetReturnCode(), MOR_STATUS(0x80070002u));
  EXPECT_STREQ(clone->GetMsgId(), "0201");
  EXPECT_STREQ(clone->GetMsgCatalog(), "TOVBC");
  EXPECT_NE(clone->GetMsgId(), error->GetMsgId());
  EXPECT_EQ(clone->GetRefCount(), 1);
  clone->Release();
  bare->Release();
  error->Release();
}

TEST(Error, SuccessAndFailureThroughGetReturn) {
  MORCleanLastError();
  EXPECT_EQ(MORError::GetReturn(1, nullptr, nullptr, "f.cpp", 1), 0);
  int deleted[5] = {};
  // The pending error keeps the caller's reference; it gets the raising place.
  MORError* error = new CountedError(MOR_STATUS(0x80070005u), &deleted[0]);
  EXPECT_EQ(MORError::GetReturn(2, error, nullptr, "raise.cpp", 33), MOR_STATUS(0x80070005u));
  EXPECT_EQ(error->GetRefCount(), 1);
  EXPECT_EQ(error->GetSourceLineNumber(), 33);
  EXPECT_EQ(MORGetLastError(E_FAIL, nullptr), nullptr);
  MORError* fetched = MORGetLastError(MOR_STATUS(0x80070005u), nullptr);
  ASSERT_EQ(fetched, error);
  EXPECT_EQ(error->GetRefCount(), 2);
  fetched->Release();
  // A new failure replaces (and releases) the pending error; a place set before is kept.
  MORError* second = new CountedError(E_FAIL, &deleted[1]);
  second->Setup("kept.cpp", 5);
  EXPECT_EQ(E_FAIL, MORError::GetReturn(2, second, nullptr, "other.cpp", 9));
  EXPECT_EQ(deleted[0], 1);
  EXPECT_EQ(second->GetSourceLineNumber(), 5);
  EXPECT_EQ(deleted[1], 0);
  // A failure without an error forgets the pending one and still reads as a failure.
  EXPECT_EQ(MORError::GetReturn(2, nullptr, nullptr, "f.cpp", 1), E_FAIL);
  EXPECT_EQ(deleted[1], 1);
  EXPECT_EQ(MORGetLastError(E_FAIL, nullptr), nullptr);
  // An error whose code is success is made a failure, never reported as success.
  MORError* zero = new CountedError(0, &deleted[2]);
  EXPECT_EQ(MORError::GetReturn(2, zero, nullptr, "f.cpp", 1), E_FAIL);
  EXPECT_EQ(zero->GetReturnCode(), E_FAIL);
  MORCleanLastError();
  EXPECT_EQ(deleted[2], 1);
  // Success with an error passed along releases it.
  EXPECT_EQ(MORError::GetReturn(1, new CountedError(E_FAIL, &deleted[3]), nullptr, "f", 1), 0);
  EXPECT_EQ(deleted[3], 1);
}

TEST(Error, PendingErrorBelongsToItsThread) {
  MORCleanLastError();
  int deletedMain = 0, deletedOther = 0;
  EXPECT_EQ(E_FAIL,
            MORError::GetReturn(2, new CountedError(E_FAIL, &deletedMain), nullptr, "main.cpp", 1));
  bool otherSawMain = true, otherSawOwn = false;
  std::thread other([&] {
    otherSawMain = MORGetLastError(E_FAIL, nullptr) != nullptr;
    EXPECT_EQ(E_FAIL,
              MORError::GetReturn(2, new CountedError(E_FAIL, &deletedOther), nullptr, "t.cpp", 1));
    MORError* own = MORGetLastError(E_FAIL, nullptr);
    otherSawOwn = own != nullptr;
    if (own != nullptr)
      own->Release();
    // Left pending: the thread's end releases it.
  });
  other.join();
  EXPECT_FALSE(otherSawMain);
  EXPECT_TRUE(otherSawOwn);
  EXPECT_EQ(deletedOther, 1);
  MORError* mine = MORGetLastError(E_FAIL, nullptr);
  ASSERT_NE(mine, nullptr);
  mine->Release();
  EXPECT_EQ(deletedMain, 0);
  MORCleanLastError();
  EXPECT_EQ(deletedMain, 1);
}
