// Position in a vector: an index, -1 before the first object.
#ifndef TOVVECTORCURSOR_H
#define TOVVECTORCURSOR_H

#include "TOVCursor.h"

class TOVBASIC_API TOVVectorCursor : public TOVCursor {
  TOV_DECLARE_CLASS(TOVVectorCursor)
public:
  TOVVectorCursor() : _Index(-1) {}
  explicit TOVVectorCursor(int index) : _Index(index) {}
  TOVVectorCursor(const TOVVectorCursor& other) : TOVCursor(), _Index(other._Index) {}
  TOVVectorCursor& operator=(const TOVVectorCursor& other) {
    _Index = other._Index;
    return *this;
  }
  ~TOVVectorCursor() override;

  int GetIndex() const { return _Index; }
  void SetIndex(int index) { _Index = index; }

private:
  int _Index;
};

#endif
