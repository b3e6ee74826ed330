// Export marker of the library's classes, functions and variables.
#ifndef TOVEXPORT_H
#define TOVEXPORT_H

#if defined(TOVBASIC_BUILDING)
#define TOVBASIC_API __attribute__((visibility("default")))
#else
#define TOVBASIC_API
#endif

#endif
