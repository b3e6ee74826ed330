// Basic types and status codes of the object-model runtime.
#ifndef MORTYPES_H
#define MORTYPES_H

#include <cstddef>
#include <cstdint>

#if defined(WV0CORE_BUILDING)
#define WV0CORE_API __attribute__((visibility("default")))
#else
#define WV0CORE_API
#endif

/// A 128-bit class identifier.
struct MORGUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
};

inline bool operator==(const MORGUID& a, const MORGUID& b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
    return false;
  for (int i = 0; i < 8; ++i)
    if (a.Data4[i] != b.Data4[i])
      return false;
  return true;
}
inline bool operator!=(const MORGUID& a, const MORGUID& b) {
  return !(a == b);
}

/// Status codes keep their 32-bit meaning: failures are negative in a long.
#define MOR_STATUS(v) static_cast<long>(static_cast<int32_t>(v))
#ifndef S_OK
#define S_OK 0L
#endif
#ifndef S_FALSE
#define S_FALSE 1L
#endif
#ifndef E_FAIL
#define E_FAIL MOR_STATUS(0x80004005u)
#endif
#ifndef E_NOTIMPL
#define E_NOTIMPL MOR_STATUS(0x80004001u)
#endif
#ifndef E_NOINTERFACE
#define E_NOINTERFACE MOR_STATUS(0x80004002u)
#endif
#ifndef E_POINTER
#define E_POINTER MOR_STATUS(0x80004003u)
#endif
#ifndef E_OUTOFMEMORY
#define E_OUTOFMEMORY MOR_STATUS(0x8007000Eu)
#endif
#ifndef E_INVALIDARG
#define E_INVALIDARG MOR_STATUS(0x80070057u)
#endif
#ifndef CLASS_E_CLASSNOTAVAILABLE
#define CLASS_E_CLASSNOTAVAILABLE MOR_STATUS(0x80040111u)
#endif
#ifndef SUCCEEDED
#define SUCCEEDED(hr) (static_cast<long>(hr) >= 0)
#endif
#ifndef FAILED
#define FAILED(hr) (static_cast<long>(hr) < 0)
#endif

#endif
