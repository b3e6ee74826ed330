#include "TOVContainer.h"
#include "TOVContainersLink.h"
#include "TOVFatalInternalError.h"
#include "TOVIterator.h"

TOV_IMPLEMENT_CLASS(TOVContainer, MORBaseUnknown)

TOVContainer::TOVContainer(TOVContainerWhatToDoAtDeleteEnum whatToDo)
    : _WhatToDoAtDelete(TOVContainerNothingAtDelete) {
  SetWhatToDoAtDelete(whatToDo);
}

TOVContainer::~TOVContainer() {
  if (TOVContainersLink* link = _HLink.Get())
    link->RemoveContainer(this);
}

void TOVContainer::SetWhatToDoAtDelete(TOVContainerWhatToDoAtDeleteEnum whatToDo) {
  if (whatToDo < TOVContainerNothingAtDelete || whatToDo > TOVContainerDestroyAtDelete)
    TOVFatalInternalError("Invalid value ", static_cast<int>(whatToDo),
                          " for the enum WhatToDoAtDelete");
  _WhatToDoAtDelete = whatToDo;
}

TOVContainerWhatToDoAtDeleteEnum TOVContainer::GetWhatToDoAtDelete() {
  return _WhatToDoAtDelete;
}

TOVContainersLinkRfHndlr& TOVContainer::GetHLink() {
  return _HLink;
}

const TOVContainersLink* TOVContainer::GetLink() const {
  return _HLink.Get();
}

void TOVContainer::SetHLink(TOVContainersLinkRfHndlr& h) {
  if (h.Get() != nullptr && _HLink.Get() != nullptr)
    TOVFatalInternalError("The container already has a Link");
  _HLink = h;
}

void TOVContainer::ApplyWhatToDoAtDelete() {
  switch (_WhatToDoAtDelete) {
  case TOVContainerClearAtDelete:
    Clear(1);
    break;
  case TOVContainerReleaseAtDelete:
    ReleaseElementsAndClear();
    break;
  case TOVContainerDestroyAtDelete:
    Destroy();
    break;
  default:
    break;
  }
}

unsigned int TOVContainer::ContainsSameObjects(const TOVContainer& other) const {
  if (Size() != other.Size())
    return 0;
  TOVIterator* it = MakeIterator(nullptr);
  unsigned int same = 1;
  // Counted rather than walked to the first null: a null entry is an object like any
  // other, and must be found in the other container too.
  for (int i = Size(); i > 0 && same; --i)
    same = other.Contains(it->Next());
  it->Release();
  return same;
}

unsigned int TOVContainer::SetsContainSameObjects(const TOVContainer& a, const TOVContainer& b) {
  return a.ContainsSameObjects(b);
}
