#include "MORBaseUnknownHashAddr.h"
#include "TOVSharedInstance.h"

#include <cstdint>

TOV_IMPLEMENT_CLASS(MORBaseUnknownHashAddr, TOVHashCoder)

MORBaseUnknownHashAddr* MORBaseUnknownHashAddr::_pGlobal = nullptr;

MORBaseUnknownHashAddr::~MORBaseUnknownHashAddr() {
  // The shared instance dies with the cleaner; a later GetGlobal makes a new one.
  TOVForgetSharedInstance(_pGlobal, this);
}

unsigned int MORBaseUnknownHashAddr::Code(const MORBaseUnknown* obj) const {
  const uint64_t address = reinterpret_cast<uintptr_t>(obj);
  // Addresses below 2^32 keep their value, so they get the 32-bit codes unchanged.
  const uint32_t folded = static_cast<uint32_t>(address) ^ static_cast<uint32_t>(address >> 32);
  const uint32_t prime = 16777619u;
  uint32_t h = folded & 0xFFu;
  h = (h * prime) ^ ((folded >> 8) & 0xFFu);
  h = (h * prime) ^ ((folded >> 16) & 0xFFu);
  h = (h * prime) ^ ((folded >> 24) & 0xFFu);
  return h;
}

MORBaseUnknownHashAddr& MORBaseUnknownHashAddr::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
