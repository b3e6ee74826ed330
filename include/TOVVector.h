// Array-backed sequential container.
#ifndef TOVVECTOR_H
#define TOVVECTOR_H

#include "TOVSeqCollection.h"

class TOVBASIC_API TOVVector : public TOVSeqCollection {
  TOV_DECLARE_CLASS(TOVVector)
public:
  /// Empty vector with no storage yet.
  explicit TOVVector(TOVContainerWhatToDoAtDeleteEnum whatToDo);
  /// Empty vector with room for capacity objects; a capacity below 1 is fatal.
  TOVVector(TOVContainerWhatToDoAtDeleteEnum whatToDo, int capacity);
  /// Same objects in the same order and the same policy; the copy is not linked.
  TOVVector(const TOVVector& other);
  /// Applies the delete policy, then frees the storage.
  ~TOVVector() override;

  int Size() const override;
  unsigned int IsEmpty() const override;
  unsigned int Contains(const MORBaseUnknown* obj) const override;
  MORBaseUnknown* LookupOne(const MORBaseUnknown* pattern) const override;
  MORBaseUnknown* LookupOne(const MORBaseUnknown* pattern, const TOVComparator& cmp) const override;
  TOVIterator* LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern) const override;
  TOVIterator* LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern,
                         const TOVComparator& cmp) const override;
  TOVIterator* LookupAll(const MORBaseUnknown* pattern) const override;
  TOVIterator* LookupAll(const MORBaseUnknown* pattern, const TOVComparator& cmp) const override;
  void Add(MORBaseUnknown* obj, unsigned int flag) override;
  unsigned int Remove(const MORBaseUnknown* obj, unsigned int flag) override;
  unsigned int Replace(const MORBaseUnknown* old, MORBaseUnknown* newObj,
                       unsigned int flag) override;
  void Clear(unsigned int flag) override;
  void ReleaseElementsAndClear() override;
  void Destroy() override;
  TOVIterator* MakeIterator(const TOVCursor* from) const override;

  MORBaseUnknown* Remove(TOVCursor* c) override;
  MORBaseUnknown* Replace(const TOVCursor* c, MORBaseUnknown* obj) override;
  MORBaseUnknown* operator[](const TOVCursor* c) const override;
  MORBaseUnknown* operator[](int index) const override;
  void Set(const TOVCursor* c, MORBaseUnknown* obj) override;
  void Set(int index, MORBaseUnknown* obj) override;
  void Insert(MORBaseUnknown* obj, int index) override;
  /// Adds obj at the end, telling the containers link if any. The common case (no link,
  /// room left) is inline, so that a caller who knows the vector's class pays no call.
  void Append(MORBaseUnknown* obj) override {
    if (ContainersLink() == nullptr && _Size < _Capacity) {
      _pContents[_Size++] = obj;
      return;
    }
    AppendTellingAndGrowing(obj);
  }
  unsigned int InsertAfter(TOVCursor* c, MORBaseUnknown* obj) override;
  unsigned int InsertBefore(TOVCursor* c, MORBaseUnknown* obj) override;
  MORBaseUnknown* First() const override;
  MORBaseUnknown* Last() const override;
  MORBaseUnknown* ExtractFirst() override;
  MORBaseUnknown* ExtractLast() override;

  /// Takes the other's objects and policy; fatal when this vector is linked.
  virtual TOVVector& operator=(const TOVVector& other);

  /// Number of allocated slots.
  int GetCapacity() const { return _Capacity; }

protected:
  /// Index of the first object o with cmp.CompareObjects(pattern, o) == 0, walking from
  /// start forward (size when none) or backward (-1 when none).
  virtual int Search(int start, unsigned int forward, unsigned int restart,
                     const MORBaseUnknown* pattern, const TOVComparator& cmp) const;
  /// Index of the first slot from start that holds exactly obj, or size.
  virtual int SearchObject(int start, unsigned int restart, const MORBaseUnknown* obj) const;

  /// Makes the size newSize, growing the storage when needed (new slots hold null).
  void SetDimension(int newSize);
  /// Tells the link, then stores obj at position, shifting the following objects up.
  void InsertInternal(int position, MORBaseUnknown* obj);
  /// Removes the object at position, shifting the following objects down; gives it.
  MORBaseUnknown* RemoveInternal(int position);
  /// Moves count pointers from source to destination; the ranges may overlap.
  static void Copy(MORBaseUnknown** destination, MORBaseUnknown* const* source, int count);
  MORBaseUnknown** Contents() const { return _pContents; }

  /// The index of a cursor of this vector; a null cursor is fatal.
  static int CursorIndex(const TOVCursor* c);
  /// 1 when index designates a held object.
  bool IsValidIndex(int index) const { return index >= 0 && index < _Size; }

private:
  friend class TOVVectorIterator;
  TOVBASIC_LOCAL void AppendInternal(MORBaseUnknown* obj);
  /// Append's uncommon case: tells the containers link, then grows the storage as needed.
  void AppendTellingAndGrowing(MORBaseUnknown* obj);
  TOVBASIC_LOCAL void TellClear();

  int _Size;
  int _Capacity;
  MORBaseUnknown** _pContents;
};

#endif
