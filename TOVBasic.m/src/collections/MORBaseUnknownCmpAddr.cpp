#include "MORBaseUnknownCmpAddr.h"
#include "TOVSharedInstance.h"

#include <cstdint>

TOV_IMPLEMENT_CLASS(MORBaseUnknownCmpAddr, TOVComparator)

MORBaseUnknownCmpAddr* MORBaseUnknownCmpAddr::_pGlobal = nullptr;

MORBaseUnknownCmpAddr::~MORBaseUnknownCmpAddr() {
  // The shared instance dies with the cleaner; a later GetGlobal makes a new one.
  TOVForgetSharedInstance(_pGlobal, this);
}

int MORBaseUnknownCmpAddr::CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const {
  uintptr_t x = reinterpret_cast<uintptr_t>(a);
  uintptr_t y = reinterpret_cast<uintptr_t>(b);
  return x < y ? -1 : (x > y ? 1 : 0);
}

MORBaseUnknownCmpAddr& MORBaseUnknownCmpAddr::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
