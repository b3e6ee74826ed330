#include "MORBaseUnknown.h"
#include "MORMetaClass.h"
#include "MORSmallObjectPool.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/single_threaded.h>

long MORBaseUnknown::QueryInterface(const MORGUID& iid, void** object) {
  if (object == nullptr)
    return E_POINTER;
  if (iid == ClassId()) {
    *object = this;
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

// While the process has one thread, nothing can change a count between its load and its
// store, so the counts are changed with plain atomic loads and stores instead of locked
// read-modify-write instructions (the standard library's shared pointers do the same).
// The flag goes down for good when a second thread is created, and the creation orders
// every change made before it.
static inline bool OneThread() {
  return __libc_single_threaded != 0;
}

unsigned long MORBaseUnknown::AddRef() {
  if (OneThread()) {
    const long count = _RefCount.load(std::memory_order_relaxed) + 1;
    _RefCount.store(count, std::memory_order_relaxed);
    return static_cast<unsigned long>(count);
  }
  return static_cast<unsigned long>(_RefCount.fetch_add(1, std::memory_order_relaxed) + 1);
}

unsigned long MORBaseUnknown::Release() {
  long left;
  if (OneThread()) {
    left = _RefCount.load(std::memory_order_relaxed) - 1;
    _RefCount.store(left, std::memory_order_relaxed);
  } else {
    left = _RefCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
  }
  if (left == 0)
    delete this;
  return static_cast<unsigned long>(left);
}

long MORBaseUnknown::GetTypeInfoCount(unsigned int* count) {
  if (count != nullptr)
    *count = 0;
  return S_OK;
}

long MORBaseUnknown::GetTypeInfo(unsigned int, unsigned long, void** info) {
  if (info != nullptr)
    *info = nullptr;
  return E_NOTIMPL;
}

long MORBaseUnknown::GetIDsOfNames(const MORGUID&, char16_t**, unsigned int, unsigned long, long*) {
  return E_NOTIMPL;
}

long MORBaseUnknown::Invoke(long, const MORGUID&, unsigned long, unsigned short, void*, void*,
                            void*, unsigned int*) {
  return E_NOTIMPL;
}

long MORBaseUnknown::QueryInterface(const char* name, void** object) {
  if (object == nullptr)
    return E_POINTER;
  if (name != nullptr && IsAKindOf(name)) {
    *object = this;
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

MORBaseUnknown::~MORBaseUnknown() = default;

MORMetaClass* MORBaseUnknown::GetMetaObject() const {
  return MetaObject();
}

const char* MORBaseUnknown::IsA() const {
  return GetMetaObject()->GetName();
}

int MORBaseUnknown::IsAKindOf(const char* name) const {
  return GetMetaObject()->IsAKindOf(name);
}

void* MORBaseUnknown::GetImpl() const {
  return nullptr;
}

void MORBaseUnknown::SetImpl(void*) {}

int MORBaseUnknown::IsNull() const {
  return 0;
}

int MORBaseUnknown::IsEqual(const MORBaseUnknown* other) const {
  return other == this;
}

long MORBaseUnknown::ChangeComponentState(long) {
  return E_NOTIMPL;
}

MORMetaClass* MORBaseUnknown::MetaObject() {
  static MORMetaClass* const meta = fct_RetrieveMetaObject("MORBaseUnknown", 1, nullptr, "MORNull",
                                                           "WV0CORE", sizeof(MORBaseUnknown));
  return meta;
}

const MORGUID& MORBaseUnknown::ClassId() {
  return MetaObject()->GetGuid();
}

const char* MORBaseUnknown::ClassName() {
  return MetaObject()->GetName();
}

void* MORBaseUnknown::operator new(size_t size) {
  return MORSmallObjectPool::New(size);
}

void MORBaseUnknown::operator delete(void* p) {
  MORSmallObjectPool::Delete(p);
}
