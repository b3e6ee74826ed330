// Owner of the process-wide objects of the library.
#ifndef TOVGLOBALOBJECTCLEANER_H
#define TOVGLOBALOBJECTCLEANER_H

#include "MORBaseUnknown.h"
#include "TOVExport.h"

/// The one cleaner of a program, typically a local object of main. Objects handed to
/// Add are released, last added first, when the cleaner is destroyed.
class TOVBASIC_API TOVGlobalObjectCleaner {
public:
  /// Becomes the global cleaner; a second one is a fatal internal error.
  TOVGlobalObjectCleaner();
  virtual ~TOVGlobalObjectCleaner();

  TOVGlobalObjectCleaner(const TOVGlobalObjectCleaner&) = delete;
  TOVGlobalObjectCleaner& operator=(const TOVGlobalObjectCleaner&) = delete;

  /// Hands object (and the caller's reference) to the global cleaner; gives object.
  static MORBaseUnknown* Add(MORBaseUnknown* object);

  /// The global cleaner, or null.
  static TOVGlobalObjectCleaner* GetGlobal() { return _pGlobalObjectCleaner; }
  int GetCount() const { return _Count; }
  int GetCapacity() const { return _Capacity; }

protected:
  virtual MORBaseUnknown* InternalAdd(MORBaseUnknown* object);

private:
  MORBaseUnknown** _pObjects;
  int _Count;
  int _Capacity;
  unsigned int _Destroying;

  static TOVGlobalObjectCleaner* _pGlobalObjectCleaner;
};

#endif
