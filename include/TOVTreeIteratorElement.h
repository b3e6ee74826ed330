// The element that a tree iterator gives for one depth.
#ifndef TOVTREEITERATORELEMENT_H
#define TOVTREEITERATORELEMENT_H

#include "TOVMacro.h"

class TOVTreeIterator;

/// An element knows its iterator and its depth; the caller's concrete class keeps the
/// object that the walk has reached at that depth.
class TOVBASIC_API TOVTreeIteratorElement : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVTreeIteratorElement)

public:
  /// The element of depth index of iterator (not owned).
  TOVTreeIteratorElement(const TOVTreeIterator& iterator, int index);
  ~TOVTreeIteratorElement() override;

  virtual const TOVTreeIterator& GetTreeIterator() const;
  /// The element's depth; 0 is the top.
  virtual int GetIteratorElementSetIdx() const;
  /// Stores the object reached at this depth (null when the depth is left).
  virtual void SetObject(const MORBaseUnknown* object) = 0;
  virtual const MORBaseUnknown* GetObject() const = 0;

private:
  const TOVTreeIterator& _TreeIterator;
  int _IteratorElementSetIdx;
};

#endif
