// Unique identifiers of the plain-function layer.
#ifndef TOVCBUUID_H
#define TOVCBUUID_H

#include "TOVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/// A new 20-character identifier made of the radix-64 alphabet, unique on this host and,
/// through the network adapter's address, among hosts: the time in seconds, the node, the
/// process id and a per-process counter. The text lives in a buffer of the calling thread,
/// overwritten by its next call.
TOVBASIC_API const char* uuid_gen(void);

#ifdef __cplusplus
}
#endif

#endif
