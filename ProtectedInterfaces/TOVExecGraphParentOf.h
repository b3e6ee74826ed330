// The key of the parent comparators of execution-graph links: a link stands for its parent.
#ifndef TOVEXECGRAPHPARENTOF_H
#define TOVEXECGRAPHPARENTOF_H

#include "TOVFatalInternalError.h"
#include "TOVKindOf.h"

/// What obj stands for when links of class Link are compared by parent: a link its
/// parent (read with the virtual getter Parent), an Item or null itself. Any other class
/// is fatal, reported at file and line: which (the argument's name), " is neither an ",
/// Link, " nor an ", Item, " but a ", the class.
template <class Link, class Item, auto Parent>
const MORBaseUnknown* TOVExecGraphParentOf(const MORBaseUnknown* obj, const char* which,
                                           const char* file, int line) {
  if (obj == nullptr)
    return nullptr;
  if (const Link* link = TOVKindOf<Link>(obj))
    return (link->*Parent)();
  if (TOVKindOf<Item>(obj) != nullptr)
    return obj;
  TOVFatalInternalErrorAt(file, line, which, " is neither an ", Link::ClassName(), " nor an ",
                          Item::ClassName(), " but a ", obj->IsA());
}

/// Compares a and b (pObj1, pObj2) by the parents they stand for with the address
/// comparison of cmp; a foreign class is reported at file and line.
template <class Link, class Item, auto Parent, class AddrCmp>
int TOVExecGraphCompareParents(const AddrCmp& cmp, const MORBaseUnknown* a, const MORBaseUnknown* b,
                               const char* file, int line) {
  return cmp.AddrCmp::CompareObjects(
      TOVExecGraphParentOf<Link, Item, Parent>(a, "pObj1", file, line),
      TOVExecGraphParentOf<Link, Item, Parent>(b, "pObj2", file, line));
}

#endif
