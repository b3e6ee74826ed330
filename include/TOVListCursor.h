// Position in a list: the link it stands on (possibly a sentinel).
#ifndef TOVLISTCURSOR_H
#define TOVLISTCURSOR_H

#include "TOVCursor.h"

class TOVListLink;

class TOVBASIC_API TOVListCursor : public TOVCursor {
  TOV_DECLARE_CLASS(TOVListCursor)
public:
  TOVListCursor() : _pLink(nullptr) {}
  explicit TOVListCursor(TOVListLink* link) : _pLink(link) {}
  TOVListCursor(const TOVListCursor& other) : TOVCursor(), _pLink(other._pLink) {}
  TOVListCursor& operator=(const TOVListCursor& other) {
    _pLink = other._pLink;
    return *this;
  }
  ~TOVListCursor() override;

  TOVListLink* GetLink() const { return _pLink; }
  void SetLink(TOVListLink* link) { _pLink = link; }

private:
  TOVListLink* _pLink;
};

#endif
