// The shared operating-system types of the library.
#ifndef TOVOSTYPES_H
#define TOVOSTYPES_H

#include "TOVOSType.h"

/// Static operations only. Each type is made on first use, named by message "WINDOWS" or
/// "UNIX" of catalog "TOVBC", and handed to the global object cleaner; later calls give
/// the same object until the cleaner releases it.
class TOVBASIC_API TOVOSTypes {
public:
  TOVOSTypes() = delete;

  /// The type of code "WINDOWS".
  static const TOVOSType& GetGlobalWindowsOSType();
  /// The type of code "UNIX".
  static const TOVOSType& GetGlobalUnixOSType();

private:
  friend class TOVOSType;
  /// Forgets iDying when it is one of the shared types (called by its destructor).
  TOVBASIC_LOCAL static void ForgetGlobal(const TOVOSType* iDying);

  static TOVOSType* _pWindows;
  static TOVOSType* _pUnix;
};

#endif
