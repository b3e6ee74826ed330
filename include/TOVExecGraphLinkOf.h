// The shape shared by the links of an execution graph: a parent and a child of one kind
// (nodes for node links, steps for step links).
#ifndef TOVEXECGRAPHLINKOF_H
#define TOVEXECGRAPHLINKOF_H

#include "TOVMacro.h"

/// Holds a parent (may be null) and a child of type T, neither owned. A copy is a new
/// object with its own reference count that links the same two objects; assignment
/// copies the two ends only.
template <class T> class TOVExecGraphLinkOf : public MORBaseUnknown {
protected:
  /// Links parent (may be null) to child.
  TOVExecGraphLinkOf(T* parent, T& child) : _pParent(parent), _pChild(&child) {}

  T* _pParent; ///< The parent, or null.
  T* _pChild;  ///< The child, never null.
};

#endif
