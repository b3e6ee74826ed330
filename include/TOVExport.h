// Export marker of the library's classes, functions and variables.
#ifndef TOVEXPORT_H
#define TOVEXPORT_H

#if defined(TOVBASIC_BUILDING)
#define TOVBASIC_API __attribute__((visibility("default")))
#else
#define TOVBASIC_API
#endif

/// Marks a private member of an exported class as internal to the library: calls to it
/// are direct and may be inlined, as no program can replace or call it.
#define TOVBASIC_LOCAL __attribute__((visibility("hidden")))

#endif
