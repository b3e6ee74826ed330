// Checked memory allocation.
#include "TOVCBMemory.h"
#include "TOVCBErrorProcessing.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

/// Reports that size bytes could not be had; errno is the allocator's.
void ReportFailure(unsigned long size) {
  const int error = errno;
  char text[32];
  snprintf(text, sizeof text, "%lu", size);
  errno = error;
  sys_error(__FILE__, __LINE__, SYS_OP_ALLOC, text, nullptr);
}

} // namespace

extern "C" {

void* mem_alloc(int size) {
  if (size < 1)
    err_prog(__FILE__, __LINE__, "Null memory size");
  void* memory = malloc(static_cast<size_t>(size));
  if (memory == nullptr)
    ReportFailure(static_cast<unsigned long>(size));
  return memory;
}

void mem_free(void* pointer) {
  free(pointer);
}

void* mem_realloc(void* pointer, unsigned int size) {
  // realloc to 0 bytes would free the memory and give null, which reads as a failure that
  // left the memory to the caller: a size of 0 is refused as by mem_alloc.
  if (size == 0)
    err_prog(__FILE__, __LINE__, "Null memory size");
  void* memory = realloc(pointer, size);
  if (memory == nullptr)
    ReportFailure(size);
  return memory;
}

} // extern "C"
