// Abstract container of runtime objects held by plain pointer.
#ifndef TOVCONTAINER_H
#define TOVCONTAINER_H

#include "TOVContainersLinkRfHndlr.h"
#include "TOVMacro.h"

class TOVComparator;
class TOVCursor;
class TOVIterator;

/// What a container does with its objects when it is destroyed. The type is int, so that a
/// value outside the list that a caller casts in reaches the range check as it is.
enum TOVContainerWhatToDoAtDeleteEnum : int {
  /// Frees its own storage only.
  TOVContainerNothingAtDelete = 0,
  /// Clear(1): the other members of its link are cleared too; objects untouched.
  TOVContainerClearAtDelete = 1,
  /// ReleaseElementsAndClear(): releases each held object once.
  TOVContainerReleaseAtDelete = 2,
  /// Destroy(): deletes each held object.
  TOVContainerDestroyAtDelete = 3
};

/// Root of the containers. A container never takes a reference on the objects it holds;
/// it disposes of them only by its delete policy or on explicit request.
class TOVBASIC_API TOVContainer : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVContainer)
public:
  /// Builds a container with the delete policy; an invalid policy is fatal.
  explicit TOVContainer(TOVContainerWhatToDoAtDeleteEnum whatToDo);
  /// Leaves the containers link, if any.
  ~TOVContainer() override;

  /// Number of held objects.
  virtual int Size() const = 0;
  /// 1 when the container holds nothing.
  virtual unsigned int IsEmpty() const = 0;
  /// 1 when the very object (same address) is held.
  virtual unsigned int Contains(const MORBaseUnknown* obj) const = 0;
  /// Stores the delete policy; a value outside 0..3 is fatal.
  virtual void SetWhatToDoAtDelete(TOVContainerWhatToDoAtDeleteEnum whatToDo);
  virtual TOVContainerWhatToDoAtDeleteEnum GetWhatToDoAtDelete();
  /// First object equal to the pattern under the container's own comparison, or null.
  virtual MORBaseUnknown* LookupOne(const MORBaseUnknown* pattern) const = 0;
  /// First object o with cmp.CompareObjects(pattern, o) == 0, or null.
  virtual MORBaseUnknown* LookupOne(const MORBaseUnknown* pattern,
                                    const TOVComparator& cmp) const = 0;
  /// New iterator (owned by the caller) over the matching objects, from the cursor.
  virtual TOVIterator* LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern) const = 0;
  virtual TOVIterator* LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern,
                                 const TOVComparator& cmp) const = 0;
  virtual TOVIterator* LookupAll(const MORBaseUnknown* pattern) const = 0;
  virtual TOVIterator* LookupAll(const MORBaseUnknown* pattern, const TOVComparator& cmp) const = 0;
  /// Adds obj at the container's own place; tells the link when flag is non-zero.
  virtual void Add(MORBaseUnknown* obj, unsigned int flag) = 0;
  /// Removes every occurrence of obj; 1 when there was one.
  virtual unsigned int Remove(const MORBaseUnknown* obj, unsigned int flag) = 0;
  /// Puts newObj in place of every occurrence of old; 1 when old was held.
  virtual unsigned int Replace(const MORBaseUnknown* old, MORBaseUnknown* newObj,
                               unsigned int flag) = 0;
  /// Forgets every object without touching it.
  virtual void Clear(unsigned int flag) = 0;
  /// Tells the link, releases every object once, empties.
  virtual void ReleaseElementsAndClear() = 0;
  /// Tells the link, deletes every object, empties.
  virtual void Destroy() = 0;
  /// New iterator (owned by the caller) over the whole container, positioned at from.
  virtual TOVIterator* MakeIterator(const TOVCursor* from) const = 0;
  /// The link handle itself.
  virtual TOVContainersLinkRfHndlr& GetHLink();
  /// The link, or null.
  virtual const TOVContainersLink* GetLink() const;

protected:
  /// Sets (or with an empty handle clears) the link; joining a second link is fatal.
  virtual void SetHLink(TOVContainersLinkRfHndlr& h);
  /// 1 when both containers have the same size and every object of this one is in other.
  virtual unsigned int ContainsSameObjects(const TOVContainer& other) const;

  /// The link to tell, or null.
  TOVContainersLink* ContainersLink() const { return _HLink.Get(); }
  /// Applies the delete policy; concrete destructors call it first.
  void ApplyWhatToDoAtDelete();
  /// The delete policy, readable on a const container.
  TOVContainerWhatToDoAtDeleteEnum WhatToDoAtDelete() const { return _WhatToDoAtDelete; }

public:
  /// a.ContainsSameObjects(b).
  static unsigned int SetsContainSameObjects(const TOVContainer& a, const TOVContainer& b);

private:
  friend class TOVContainersLink;
  TOVContainersLinkRfHndlr _HLink;
  TOVContainerWhatToDoAtDeleteEnum _WhatToDoAtDelete;
};

#endif
