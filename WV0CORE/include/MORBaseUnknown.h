// Root class of the object model: reference counting and run-time class identity.
#ifndef MORBASEUNKNOWN_H
#define MORBASEUNKNOWN_H

#include "MORTypes.h"
#include <atomic>

class MORMetaClass;

/// Every object of the library is a reference-counted MORBaseUnknown. A new object
/// starts with one reference; Release of the last one deletes it.
class WV0CORE_API MORBaseUnknown {
public:
  MORBaseUnknown() : _RefCount(1) {}
  /// A copy is a new object with a reference count of its own.
  MORBaseUnknown(const MORBaseUnknown&) : _RefCount(1) {}
  /// Assignment never touches the reference count.
  MORBaseUnknown& operator=(const MORBaseUnknown&) { return *this; }

  // The virtual slots, in the order the tools link against.
  virtual long QueryInterface(const MORGUID& iid, void** object);
  virtual unsigned long AddRef();
  virtual unsigned long Release();
  virtual long GetTypeInfoCount(unsigned int* count);
  virtual long GetTypeInfo(unsigned int index, unsigned long locale, void** info);
  virtual long GetIDsOfNames(const MORGUID& iid, char16_t** names, unsigned int count,
                             unsigned long locale, long* ids);
  virtual long Invoke(long id, const MORGUID& iid, unsigned long locale, unsigned short flags,
                      void* params, void* result, void* exception, unsigned int* argError);
  virtual long QueryInterface(const char* name, void** object);
  virtual ~MORBaseUnknown();
  virtual MORMetaClass* GetMetaObject() const;
  virtual const char* IsA() const;
  virtual int IsAKindOf(const char* name) const;
  virtual void* GetImpl() const;
  virtual void SetImpl(void* impl);
  virtual int IsNull() const;
  virtual int IsEqual(const MORBaseUnknown* other) const;
  virtual long ChangeComponentState(long state);

  /// The root's meta class, "MORBaseUnknown".
  static MORMetaClass* MetaObject();
  static const MORGUID& ClassId();
  static const char* ClassName();

  /// The current number of references (for diagnostics and tests).
  long GetRefCount() const { return _RefCount.load(std::memory_order_relaxed); }

  static void* operator new(size_t size);
  static void operator delete(void* p);
  static void* operator new(size_t, void* place) { return place; }
  static void operator delete(void*, void*) {}

private:
  std::atomic<long> _RefCount;
};

#endif
