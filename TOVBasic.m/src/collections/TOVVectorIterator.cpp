#include "TOVVectorIterator.h"
#include "TOVFatalInternalError.h"
#include "TOVVector.h"

TOV_IMPLEMENT_CLASS(TOVVectorIterator, TOVIterator)

namespace {

// How many objects ahead of the one it gives a forward step asks the processor to fetch.
// The caller usually reads each object it gets; when the objects lie scattered in memory,
// each read is a cache miss that a loop making one call per object cannot overlap with
// the next ones by itself. Far enough ahead to cover the latency of memory at some ten
// nanoseconds a step, near enough to stay in the first-level cache until it is read.
constexpr unsigned int kPrefetchAhead = 16;

} // namespace

TOVVectorIterator::TOVVectorIterator(const TOVVector* v, const MORBaseUnknown* pattern,
                                     unsigned int withPattern, const TOVComparator* cmp)
    : TOVIterator(pattern, withPattern, cmp), _pVector(v), _Restart(1) {}

TOVVectorIterator::TOVVectorIterator(const TOVVector* v, const TOVCursor* from,
                                     const MORBaseUnknown* pattern, unsigned int withPattern,
                                     const TOVComparator* cmp)
    : TOVIterator(pattern, withPattern, cmp), _pVector(v), _Restart(1) {
  if (from != nullptr)
    _Cursor = *TOVCheckedCast<TOVVectorCursor>(from);
}

TOVVectorIterator::~TOVVectorIterator() = default;

const TOVVector* TOVVectorIterator::CheckedVector() const {
  if (_pVector == nullptr)
    TOVFatalInternalError("vector_ is NULL");
  return _pVector;
}

MORBaseUnknown* TOVVectorIterator::Next() {
  // The common step, without a pattern and inside the vector, takes no call.
  const TOVVector* v = _pVector;
  if (v != nullptr && !PatternFlag()) {
    const int index = _Cursor.GetIndex() + 1;
    // One unsigned comparison tells both that index is not negative and below the size.
    const unsigned int size = static_cast<unsigned int>(v->_Size);
    if (static_cast<unsigned int>(index) < size) {
      _Cursor.SetIndex(index);
      // A prefetch never faults; the slot read stays inside the vector.
      if (static_cast<unsigned int>(index) + kPrefetchAhead < size)
        __builtin_prefetch(v->_pContents[index + kPrefetchAhead]);
      return v->_pContents[index];
    }
  }
  return NextSearching();
}

MORBaseUnknown* TOVVectorIterator::NextSearching() {
  const TOVVector* v = CheckedVector();
  int index = _Cursor.GetIndex();
  if (index < v->_Size)
    ++index;
  return MoveTo(v, index, 1);
}

MORBaseUnknown* TOVVectorIterator::Previous() {
  const TOVVector* v = CheckedVector();
  int index = _Cursor.GetIndex();
  if (index >= 0)
    --index;
  return MoveTo(v, index, 0);
}

MORBaseUnknown* TOVVectorIterator::MoveTo(const TOVVector* v, int index, int forward) {
  if (PatternFlag()) {
    index = v->Search(index, forward, _Restart, GetPattern(), GetComparator());
    _Restart = 0;
  }
  _Cursor.SetIndex(index);
  if (v->IsValidIndex(index))
    return v->_pContents[index];
  _Restart = 1;
  return nullptr;
}

void TOVVectorIterator::ToBegin() {
  _Cursor.SetIndex(-1);
  _Restart = 1;
}

void TOVVectorIterator::ToEnd() {
  _Cursor.SetIndex(CheckedVector()->Size());
  _Restart = 1;
}

TOVCursor* TOVVectorIterator::Position() {
  return &_Cursor;
}

void TOVVectorIterator::SetWithPattern(unsigned int withPattern) {
  TOVIterator::SetWithPattern(withPattern);
  _Restart = 1;
}

void TOVVectorIterator::SetPattern(const MORBaseUnknown* pattern) {
  TOVIterator::SetPattern(pattern);
  _Restart = 1;
}

void TOVVectorIterator::SetComparator(const TOVComparator& cmp) {
  TOVIterator::SetComparator(cmp);
  _Restart = 1;
}

const TOVComparator& TOVVectorIterator::GetComparator() const {
  return TOVIterator::GetComparator();
}
