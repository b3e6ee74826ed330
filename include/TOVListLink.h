// One link of a list: neighbours and the held object.
#ifndef TOVLISTLINK_H
#define TOVLISTLINK_H

#include "TOVMacro.h"

class TOVBASIC_API TOVListLink : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVListLink)
public:
  TOVListLink() : _pNext(nullptr), _pPrevious(nullptr), _pData(nullptr) {}
  TOVListLink(MORBaseUnknown* data, TOVListLink* next, TOVListLink* previous)
      : _pNext(next), _pPrevious(previous), _pData(data) {}
  TOVListLink(const TOVListLink& other)
      : MORBaseUnknown(), _pNext(other._pNext), _pPrevious(other._pPrevious), _pData(other._pData) {
  }
  TOVListLink& operator=(const TOVListLink& other) {
    _pNext = other._pNext;
    _pPrevious = other._pPrevious;
    _pData = other._pData;
    return *this;
  }
  ~TOVListLink() override;

  TOVListLink* GetNext() const { return _pNext; }
  void SetNext(TOVListLink* next) { _pNext = next; }
  TOVListLink* GetPrevious() const { return _pPrevious; }
  void SetPrevious(TOVListLink* previous) { _pPrevious = previous; }
  MORBaseUnknown* GetData() const { return _pData; }
  void SetData(MORBaseUnknown* data) { _pData = data; }

private:
  TOVListLink* _pNext;
  TOVListLink* _pPrevious;
  MORBaseUnknown* _pData;
};

#endif
