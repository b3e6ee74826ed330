// The shared instance of a stateless strategy class: made on first use and handed to
// the global object cleaner, which deletes it at the end of the program.
#ifndef TOVSHAREDINSTANCE_H
#define TOVSHAREDINSTANCE_H

#include "TOVGlobalObjectCleaner.h"

/// The instance kept in slot, made when the slot is empty. The class's destructor
/// empties the slot when it deletes the shared instance, so that a later call makes a
/// new one.
template <class T> T& TOVSharedInstance(T*& slot) {
  if (slot == nullptr) {
    T* made = new T;
    TOVGlobalObjectCleaner::Add(made);
    slot = made;
  }
  return *slot;
}

#endif
