#include "TOVOSTypes.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVRaiseError.h"

TOVOSType* TOVOSTypes::_pWindows = nullptr;
TOVOSType* TOVOSTypes::_pUnix = nullptr;

namespace {

/// The type that ioSlot points at, made on first use with code iCode named by message
/// iCode of catalog "TOVBC" and handed to the global object cleaner.
const TOVOSType& SharedOSType(TOVOSType*& ioSlot, const char* iCode) {
  if (ioSlot == nullptr) {
    auto* made = new TOVOSType(iCode, TOVCatalogMsg("TOVBC", iCode));
    TOVGlobalObjectCleaner::Add(made);
    ioSlot = made;
  }
  return *ioSlot;
}

} // namespace

const TOVOSType& TOVOSTypes::GetGlobalWindowsOSType() {
  return SharedOSType(_pWindows, "WINDOWS");
}

const TOVOSType& TOVOSTypes::GetGlobalUnixOSType() {
  return SharedOSType(_pUnix, "UNIX");
}

void TOVOSTypes::ForgetGlobal(const TOVOSType* iDying) {
  if (_pWindows == iDying)
    _pWindows = nullptr;
  if (_pUnix == iDying)
    _pUnix = nullptr;
}
