#include "TOVGlobalObjectCleaner.h"
#include "TOVFatalInternalError.h"

#include <cstdlib>

TOVGlobalObjectCleaner* TOVGlobalObjectCleaner::_pGlobalObjectCleaner = nullptr;

TOVGlobalObjectCleaner::TOVGlobalObjectCleaner()
    : _pObjects(nullptr), _Count(0), _Capacity(0), _Destroying(0) {
  if (_pGlobalObjectCleaner != nullptr)
    TOVFatalInternalError("Only one global object cleaner can exist");
  _pGlobalObjectCleaner = this;
}

TOVGlobalObjectCleaner::~TOVGlobalObjectCleaner() {
  _Destroying = 1;
  for (int i = _Count - 1; i >= 0; --i) {
    MORBaseUnknown* object = _pObjects[i];
    _pObjects[i] = nullptr;
    if (object != nullptr)
      object->Release();
  }
  std::free(_pObjects);
  _pObjects = nullptr;
  _Count = _Capacity = 0;
  if (_pGlobalObjectCleaner == this)
    _pGlobalObjectCleaner = nullptr;
}

MORBaseUnknown* TOVGlobalObjectCleaner::Add(MORBaseUnknown* object) {
  if (_pGlobalObjectCleaner == nullptr)
    TOVFatalInternalError("One global object cleaner must exist");
  return _pGlobalObjectCleaner->InternalAdd(object);
}

MORBaseUnknown* TOVGlobalObjectCleaner::InternalAdd(MORBaseUnknown* object) {
  if (object == nullptr)
    TOVFatalInternalError("TOVGlobalObjectCleaner::Add(<NULL>)");
  if (_Destroying)
    TOVFatalInternalError("TOVGlobalObjectCleaner::Add(...) during or after destruction");
  if (_Count == _Capacity) {
    int capacity = _Capacity + 100;
    void* grown = std::realloc(_pObjects, sizeof(MORBaseUnknown*) * capacity);
    if (grown == nullptr)
      TOVFatalInternalError("TOVGlobalObjectCleaner::Add(...): out of memory");
    _pObjects = static_cast<MORBaseUnknown**>(grown);
    _Capacity = capacity;
  }
  _pObjects[_Count++] = object;
  return object;
}
