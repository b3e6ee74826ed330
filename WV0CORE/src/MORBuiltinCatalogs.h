// The copy of the library's own catalogs compiled into the runtime.
#ifndef MORBUILTINCATALOGS_H
#define MORBUILTINCATALOGS_H

#include <cstddef>

struct MORBuiltinCatalog {
  const char* name;
  const char* text;
  size_t size;
};

/// Ends with an entry whose name is null.
extern const MORBuiltinCatalog MORBuiltinCatalogs[];

#endif
