#include "MORBaseUnknown.h"
#include "MORMetaClass.h"

#include <cstdlib>
#include <cstring>
#include <new>

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

unsigned long MORBaseUnknown::AddRef() {
  return static_cast<unsigned long>(_RefCount.fetch_add(1, std::memory_order_relaxed) + 1);
}

unsigned long MORBaseUnknown::Release() {
  long left = _RefCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
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
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr)
    throw std::bad_alloc();
  return p;
}

void MORBaseUnknown::operator delete(void* p) {
  std::free(p);
}
