#include "TOVTreeAsTreeIterator.h"
#include "TOVFatalInternalError.h"
#include "TOVOneWayIterator.h"
#include "TOVTreeAsTreeIteratorElement.h"
#include "TOVTreeWalk.h"

TOV_IMPLEMENT_CLASS(TOVTreeAsTreeIterator, TOVTreeIterator)

TOVTreeAsTreeIterator::TOVTreeAsTreeIterator(
    const TOVChildExtractorRfHndlr& hChildExtractor,
    const TOVTreeAsTreeIteratorElementMakerRfHndlr& hElementMaker, const MORBaseUnknown* root)
    : _HChildExtractor(hChildExtractor), _HElementMaker(hElementMaker), _pRoot(root), _Finished(0),
      _IteratorSet(TOVContainerNothingAtDelete), _CurrentDepth(-1), _pCurrentIterator(nullptr),
      _pCurrentElement(nullptr), _ElementSet(TOVContainerNothingAtDelete) {}

TOVTreeAsTreeIterator::~TOVTreeAsTreeIterator() {
  _IteratorSet.Destroy();
  _ElementSet.Destroy();
}

const TOVTreeIteratorElement* TOVTreeAsTreeIterator::Next() {
  if (_Finished)
    return nullptr;
  if (_pRoot != nullptr && _CurrentDepth < 0) {
    // The first call with a root: the root is the top of the walk and has no sibling.
    if (_pCurrentIterator != nullptr)
      TOVFatalInternalError("_pCurrentIterator != NULL");
    _CurrentDepth = 0;
    TOVTreeWalk::SetIteratorOfDepth(_IteratorSet, 0, nullptr);
    _pCurrentElement = TOVTreeWalk::ElementOfDepth<TOVTreeAsTreeIteratorElement>(
        _ElementSet, *_HElementMaker, *this, 0);
    _pCurrentElement->SetObject(_pRoot);
    _pCurrentElement->SetNextObject(nullptr);
    _pRoot = nullptr;
    return _pCurrentElement;
  }
  // The children of the current object (the top level when there is none yet), read
  // with one child of look-ahead.
  const MORBaseUnknown* parent =
      _pCurrentElement != nullptr ? _pCurrentElement->GetObject() : nullptr;
  TOVOneWayIterator* children = _HChildExtractor->MakeChildIterator(parent);
  if (children != nullptr) {
    const MORBaseUnknown* first = children->Next();
    if (first == nullptr) {
      children->Release();
    } else {
      const MORBaseUnknown* second = children->Next();
      ++_CurrentDepth;
      _pCurrentIterator = children;
      TOVTreeWalk::SetIteratorOfDepth(_IteratorSet, _CurrentDepth, children);
      _pCurrentElement = TOVTreeWalk::ElementOfDepth<TOVTreeAsTreeIteratorElement>(
          _ElementSet, *_HElementMaker, *this, _CurrentDepth);
      _pCurrentElement->SetObject(first);
      _pCurrentElement->SetNextObject(second);
      return _pCurrentElement;
    }
  }
  // No child: the next sibling, climbing up as long as a depth is exhausted.
  while (_pCurrentElement != nullptr) {
    const MORBaseUnknown* sibling = _pCurrentElement->GetNextObject();
    if (sibling != nullptr) {
      _pCurrentElement->SetObject(sibling);
      _pCurrentElement->SetNextObject(_pCurrentIterator != nullptr ? _pCurrentIterator->Next()
                                                                   : nullptr);
      return _pCurrentElement;
    }
    _pCurrentElement->SetObject(nullptr);
    _pCurrentElement->SetNextObject(nullptr);
    TOVTreeWalk::CloseIteratorOfDepth(_IteratorSet, _CurrentDepth);
    if (--_CurrentDepth < 0) {
      _pCurrentIterator = nullptr;
      _pCurrentElement = nullptr;
      break;
    }
    _pCurrentIterator = TOVTreeWalk::IteratorOfDepth(_IteratorSet, _CurrentDepth);
    _pCurrentElement = static_cast<TOVTreeAsTreeIteratorElement*>(_ElementSet[_CurrentDepth]);
  }
  _Finished = 1;
  return nullptr;
}

const TOVVector& TOVTreeAsTreeIterator::GetElementSet() const {
  return _ElementSet;
}

const TOVTreeAsTreeIteratorElement* TOVTreeAsTreeIterator::GetCurrentElement() const {
  return _pCurrentElement;
}

int TOVTreeAsTreeIterator::GetCurrentElementIdx() const {
  return _CurrentDepth;
}
