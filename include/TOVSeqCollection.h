// Abstract sequential container: objects in an order, reached by index or cursor.
#ifndef TOVSEQCOLLECTION_H
#define TOVSEQCOLLECTION_H

#include "TOVContainer.h"

class TOVBASIC_API TOVSeqCollection : public TOVContainer {
  TOV_DECLARE_CLASS(TOVSeqCollection)
public:
  explicit TOVSeqCollection(TOVContainerWhatToDoAtDeleteEnum whatToDo);
  ~TOVSeqCollection() override;

  using TOVContainer::Remove;
  using TOVContainer::Replace;

  /// Removes the object at the cursor and gives it.
  virtual MORBaseUnknown* Remove(TOVCursor* c) = 0;
  /// Puts obj at the cursor; gives the replaced object.
  virtual MORBaseUnknown* Replace(const TOVCursor* c, MORBaseUnknown* obj) = 0;
  virtual MORBaseUnknown* operator[](const TOVCursor* c) const = 0;
  virtual MORBaseUnknown* operator[](int index) const = 0;
  virtual void Set(const TOVCursor* c, MORBaseUnknown* obj) = 0;
  virtual void Set(int index, MORBaseUnknown* obj) = 0;
  virtual void Insert(MORBaseUnknown* obj, int index) = 0;
  virtual void Append(MORBaseUnknown* obj) = 0;
  virtual unsigned int InsertAfter(TOVCursor* c, MORBaseUnknown* obj) = 0;
  virtual unsigned int InsertBefore(TOVCursor* c, MORBaseUnknown* obj) = 0;
  /// First object, null when empty.
  virtual MORBaseUnknown* First() const = 0;
  /// Last object, null when empty.
  virtual MORBaseUnknown* Last() const = 0;
  /// Removes and gives the first object; null when empty.
  virtual MORBaseUnknown* ExtractFirst() = 0;
  /// Removes and gives the last object; null when empty.
  virtual MORBaseUnknown* ExtractLast() = 0;
};

#endif
