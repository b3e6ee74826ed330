// Checked memory allocation of the plain-function layer.
#ifndef TOVCBMEMORY_H
#define TOVCBMEMORY_H

#include "TOVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/// size bytes from malloc. A size below 1 is a fatal internal error ("Null memory size").
/// When memory runs out, the failure is reported through sys_error (operation
/// SYS_OP_ALLOC, which ends the process once error processing is started) and null is
/// given.
TOVBASIC_API void* mem_alloc(int size);

/// Frees memory of mem_alloc or mem_realloc; null is allowed.
TOVBASIC_API void mem_free(void* pointer);

/// realloc of pointer to size bytes; on failure reported as by mem_alloc, giving null
/// (pointer is then left as it was).
TOVBASIC_API void* mem_realloc(void* pointer, unsigned int size);

#ifdef __cplusplus
}
#endif

#endif
