// Lazily made process-wide strategy instances owned by the global object cleaner.
#ifndef TOVSHAREDINSTANCE_H
#define TOVSHAREDINSTANCE_H

#include "TOVGlobalObjectCleaner.h"

/// The instance that ioSlot points at, made with new and handed to the global object
/// cleaner on first use. The class's destructor clears ioSlot (see
/// TOVForgetSharedInstance), so a later call after the cleaner is gone makes a new one.
template <class T> T& TOVGetSharedInstance(T*& ioSlot) {
  if (ioSlot == nullptr) {
    T* made = new T;
    TOVGlobalObjectCleaner::Add(made);
    ioSlot = made;
  }
  return *ioSlot;
}

/// Clears ioSlot when it points at the dying instance.
template <class T> void TOVForgetSharedInstance(T*& ioSlot, const T* iDying) {
  if (ioSlot == iDying)
    ioSlot = nullptr;
}

#endif
