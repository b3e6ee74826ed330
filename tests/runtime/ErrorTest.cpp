#include "MORError.h"
#include "MORMetaClass.h"

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

} // namespace

TEST(Error, DefaultsSourcePlaceAndDeepClone) {
  MORError* error = new MORError(5, "0201", "TOVBC");
  EXPECT_TRUE(error->IsAKindOf("MORBaseUnknown"));
  EXPECT_EQ(MORMetaClass::Find("MORError"), MORError::MetaObject());
  EXPECT_EQ(error->GetType(), MORCriticalError);
  EXPECT_EQ(error->GetReturnCode(), E_FAIL);
  EXPECT_LT(error->GetReturnCode(), 0);

  // No source place yet: an empty name; a long name is cut at the limit.
  MORError* bare = new MORError(0);
  char* file = nullptr;
  EXPECT_EQ(bare->GetSourceFileName(&file), 0);
  EXPECT_STREQ(file, "");
  EXPECT_EQ(bare->GetSourceFileName(nullptr), E_POINTER);
  EXPECT_EQ(bare->GetNLSMessage(), MORUnicodeString(""));
  std::string longName(200, 'f');
  EXPECT_EQ(bare->Setup(longName.c_str(), 12), bare);
  EXPECT_EQ(bare->GetSourceLineNumber(), 12);
  bare->GetSourceFileName(&file);
  EXPECT_EQ(std::string(file), longName.substr(0, MORError::MaxSourceFileName));
  bare->SetSourceFileName(nullptr);
  bare->GetSourceFileName(&file);
  EXPECT_STREQ(file, "");

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

  int deleted = 0;
  MORError* error = new CountedError(MOR_STATUS(0x80070005u), &deleted);
  EXPECT_EQ(MORError::GetReturn(2, error, nullptr, "raise.cpp", 33), MOR_STATUS(0x80070005u));
  // The pending error keeps the caller's reference; it got the raising place.
  EXPECT_EQ(error->GetRefCount(), 1);
  EXPECT_EQ(error->GetSourceLineNumber(), 33);

  EXPECT_EQ(MORGetLastError(E_FAIL, nullptr), nullptr);
  MORError* fetched = MORGetLastError(MOR_STATUS(0x80070005u), nullptr);
  ASSERT_EQ(fetched, error);
  EXPECT_EQ(error->GetRefCount(), 2);
  fetched->Release();

  // A new failure replaces (and releases) the pending error.
  int deleted2 = 0;
  MORError* second = new CountedError(E_FAIL, &deleted2);
  second->Setup("kept.cpp", 5);
  EXPECT_EQ(E_FAIL, MORError::GetReturn(2, second, nullptr, "other.cpp", 9));
  EXPECT_EQ(deleted, 1);
  EXPECT_EQ(second->GetSourceLineNumber(), 5);

  EXPECT_EQ(deleted2, 0);

  // A failure without an error forgets the pending one and still reads as a failure.
  EXPECT_EQ(MORError::GetReturn(2, nullptr, nullptr, "f.cpp", 1), E_FAIL);
  EXPECT_EQ(deleted2, 1);
  EXPECT_EQ(MORGetLastError(E_FAIL, nullptr), nullptr);

  // An error whose code is success is made a failure, never reported as success.
  int deleted3 = 0;
  MORError* zero = new CountedError(0, &deleted3);
  EXPECT_EQ(MORError::GetReturn(2, zero, nullptr, "f.cpp", 1), E_FAIL);
  EXPECT_EQ(zero->GetReturnCode(), E_FAIL);
  MORCleanLastError();
  EXPECT_EQ(deleted3, 1);
  MORCleanLastError();

  // Success with an error passed along releases it.
  int deleted4 = 0;
  EXPECT_EQ(MORError::GetReturn(1, new CountedError(E_FAIL, &deleted4), nullptr, "f", 1), 0);
  EXPECT_EQ(deleted4, 1);
}

TEST(Error, PendingErrorBelongsToItsThread) {
  MORCleanLastError();
  int deletedMain = 0;
  EXPECT_EQ(E_FAIL,
            MORError::GetReturn(2, new CountedError(E_FAIL, &deletedMain), nullptr, "main.cpp", 1));

  int deletedOther = 0;
  bool otherSawMain = true;
  bool otherSawOwn = false;
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
