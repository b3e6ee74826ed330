#include "MORCreateClassInstance.h"
#include "MORMetaClass.h"

#include <map>
#include <mutex>

namespace {

struct Creators {
  std::mutex lock;
  std::map<const MORMetaClass*, MORClassCreator> byClass;
};

Creators& TheCreators() {
  static Creators* creators = new Creators;
  return *creators;
}

long CreateOf(MORMetaClass* meta, MORBaseUnknown* outer, const MORGUID& iid, void** out) {
  if (out == nullptr)
    return E_POINTER;
  *out = nullptr;
  if (meta == nullptr)
    return CLASS_E_CLASSNOTAVAILABLE;
  if (outer != nullptr)
    return CLASS_E_NOAGGREGATION;
  MORClassCreator creator = nullptr;
  {
    Creators& c = TheCreators();
    std::lock_guard<std::mutex> guard(c.lock);
    auto it = c.byClass.find(meta);
    if (it != c.byClass.end())
      creator = it->second;
  }
  if (creator == nullptr)
    return E_NOTIMPL;
  MORBaseUnknown* object = creator();
  if (object == nullptr)
    return E_FAIL;
  long rc = object->QueryInterface(iid, out);
  object->Release();
  return rc;
}

} // namespace

long MORRegisterClassCreator(const char* className, MORClassCreator creator) {
  MORMetaClass* meta = MORMetaClass::Find(className);
  if (meta == nullptr)
    return CLASS_E_CLASSNOTAVAILABLE;
  Creators& c = TheCreators();
  std::lock_guard<std::mutex> guard(c.lock);
  if (creator == nullptr)
    c.byClass.erase(meta);
  else
    c.byClass[meta] = creator;
  return S_OK;
}

long MORCreateClassInstance(const MORGUID& classId, MORBaseUnknown* outer, unsigned long,
                            const MORGUID& iid, void** out) {
  return CreateOf(MORMetaClass::Find(classId), outer, iid, out);
}

long MORCreateClassInstance(const char* className, MORBaseUnknown* outer, unsigned long,
                            const MORGUID& iid, void** out) {
  return CreateOf(MORMetaClass::Find(className), outer, iid, out);
}
