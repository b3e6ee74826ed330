// Fast class test of registered classes, for comparators that run in inner loops.
#ifndef TOVKINDOF_H
#define TOVKINDOF_H

#include "MORMetaClass.h"

/// obj as a T when it is a kind of T by its meta class (null otherwise, or when obj is
/// null). Meta classes are compared by address, without text comparison.
template <class T> const T* TOVKindOf(const MORBaseUnknown* obj) {
  if (obj == nullptr)
    return nullptr;
  const MORMetaClass* meta = obj->GetMetaObject();
  const MORMetaClass* wanted = T::MetaObject();
  return meta == wanted || meta->IsAKindOf(wanted) ? static_cast<const T*>(obj) : nullptr;
}

#endif
