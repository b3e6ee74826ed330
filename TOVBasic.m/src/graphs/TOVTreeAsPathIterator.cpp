#include "TOVTreeAsPathIterator.h"
#include "TOVFatalInternalError.h"
#include "TOVOneWayIterator.h"
#include "TOVTreeAsPathIteratorElement.h"
#include "TOVTreeWalk.h"

TOV_IMPLEMENT_CLASS(TOVTreeAsPathIterator, TOVTreeIterator)

TOVTreeAsPathIterator::TOVTreeAsPathIterator(
    const TOVChildExtractorRfHndlr& hChildExtractor,
    const TOVTreeAsPathIteratorElementMakerRfHndlr& hElementMaker,
    const TOVTreeAsPathIteratorFilterRfHndlr& hFilter, const MORBaseUnknown* root)
    : _HChildExtractor(hChildExtractor), _HElementMaker(hElementMaker), _HFilter(hFilter),
      _pRoot(root), _Finished(0), _IteratorSet(TOVContainerNothingAtDelete), _CurrentDepth(-1),
      _pCurrentIterator(nullptr), _pCurrentElement(nullptr),
      _ElementSet(TOVContainerNothingAtDelete) {}

TOVTreeAsPathIterator::~TOVTreeAsPathIterator() {
  _IteratorSet.Destroy();
  _ElementSet.Destroy();
}

const TOVTreeIteratorElement* TOVTreeAsPathIterator::Next() {
  if (_Finished)
    return nullptr;
  for (;;) {
    const MORBaseUnknown* candidate = nullptr;
    if (_pRoot != nullptr && _CurrentDepth < 0) {
      // The first call with a root: the root is the top of the walk.
      if (_pCurrentIterator != nullptr)
        TOVFatalInternalError("_pCurrentIterator != NULL");
      _CurrentDepth = 0;
      TOVTreeWalk::SetIteratorOfDepth(_IteratorSet, 0, nullptr);
      _pCurrentElement = TOVTreeWalk::ElementOfDepth<TOVTreeAsPathIteratorElement>(
          _ElementSet, *_HElementMaker, *this, 0);
      candidate = _pRoot;
      _pRoot = nullptr;
    } else {
      // The children of the current object (the top level when there is none yet).
      const MORBaseUnknown* parent =
          _pCurrentElement != nullptr ? _pCurrentElement->GetObject() : nullptr;
      TOVOneWayIterator* children = _HChildExtractor->MakeChildIterator(parent);
      if (children != nullptr) {
        candidate = children->Next();
        if (candidate == nullptr) {
          children->Release();
        } else {
          ++_CurrentDepth;
          _pCurrentIterator = children;
          TOVTreeWalk::SetIteratorOfDepth(_IteratorSet, _CurrentDepth, children);
          _pCurrentElement = TOVTreeWalk::ElementOfDepth<TOVTreeAsPathIteratorElement>(
              _ElementSet, *_HElementMaker, *this, _CurrentDepth);
        }
      }
    }
    // No child: the next sibling, climbing up as long as a depth is exhausted.
    while (candidate == nullptr) {
      if (_pCurrentElement == nullptr) {
        _Finished = 1;
        return nullptr;
      }
      if (_pCurrentIterator != nullptr)
        candidate = _pCurrentIterator->Next();
      if (candidate != nullptr)
        break;
      TOVTreeWalk::CloseIteratorOfDepth(_IteratorSet, _CurrentDepth);
      _pCurrentElement->SetObject(nullptr);
      if (--_CurrentDepth < 0) {
        _pCurrentIterator = nullptr;
        _pCurrentElement = nullptr;
        _Finished = 1;
        return nullptr;
      }
      _pCurrentIterator = TOVTreeWalk::IteratorOfDepth(_IteratorSet, _CurrentDepth);
      _pCurrentElement = static_cast<TOVTreeAsPathIteratorElement*>(_ElementSet[_CurrentDepth]);
    }
    _pCurrentElement->SetObject(candidate);
    if (_HFilter.Get() == nullptr || _HFilter->ReturnCurrent(*_pCurrentElement))
      return _pCurrentElement;
    // Rejected: its children are still visited.
  }
}

const TOVVector& TOVTreeAsPathIterator::GetElementSet() const {
  return _ElementSet;
}

const TOVTreeAsPathIteratorElement* TOVTreeAsPathIterator::GetCurrentElement() const {
  return _pCurrentElement;
}

int TOVTreeAsPathIterator::GetCurrentElementIdx() const {
  return _CurrentDepth;
}
