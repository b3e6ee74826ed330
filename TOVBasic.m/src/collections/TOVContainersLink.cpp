#include "TOVContainersLink.h"
#include "TOVFatalInternalError.h"
#include "TOVIterator.h"
#include "TOVVector.h"

TOV_IMPLEMENT_CLASS(TOVContainersLink, MORBaseUnknown)

TOVContainersLink::TOVContainersLink()
    : _pContainerSet(new TOVVector(TOVContainerNothingAtDelete)) {}

TOVContainersLink::~TOVContainersLink() {
  TOVContainersLinkRfHndlr empty;
  for (int i = 0; i < _pContainerSet->Size(); ++i) {
    TOVContainer* c = static_cast<TOVContainer*>((*_pContainerSet)[i]);
    if (c == nullptr || c->_HLink.Get() != this)
      continue;
    // Dropping the member's handle releases one reference on this link, which is
    // already going away: take one first so that the count never reaches zero again.
    AddRef();
    c->SetHLink(empty);
  }
  _pContainerSet->Release();
}

void TOVContainersLink::AddContainer(TOVContainer* c) {
  if (c == nullptr)
    TOVFatalInternalError("TOVContainersLink::AddContainer(NULL)");
  TOVContainersLinkRfHndlr h(TOVRfHndlrAddRef, this);
  c->SetHLink(h);
  _pContainerSet->Append(c);
}

void TOVContainersLink::FillAndAddContainer(TOVContainer* c) {
  if (c == nullptr)
    TOVFatalInternalError("TOVContainersLink::FillAndAddContainer(NULL)");
  if (!c->IsEmpty())
    TOVFatalInternalError("The container must be empty");
  if (!_pContainerSet->IsEmpty()) {
    TOVContainer* reference = TOVCheckedCast<TOVContainer>((*_pContainerSet)[0]);
    if (reference == nullptr)
      TOVFatalInternalError("pContainerRef is NULL");
    // Counted rather than walked to the first null, so that null entries are copied too.
    TOVIterator* it = reference->MakeIterator(nullptr);
    for (int i = reference->Size(); i > 0; --i)
      c->Add(it->Next(), 1);
    it->Release();
  }
  AddContainer(c);
}

void TOVContainersLink::RemoveContainer(TOVContainer* c) {
  if (c == nullptr)
    TOVFatalInternalError("pContainer is NULL");
  _pContainerSet->Remove(c, 0);
  // Only a member of this link is detached; a container of another link keeps it.
  // This may drop the last reference on this link, so nothing follows it.
  if (c->_HLink.Get() == this) {
    TOVContainersLinkRfHndlr empty;
    c->SetHLink(empty);
  }
}

const TOVVector& TOVContainersLink::GetContainerSet() const {
  return *_pContainerSet;
}

template <class Action> void TOVContainersLink::Notify(TOVContainer* origin, Action action) {
  const int size = _pContainerSet->Size();
  for (int i = 0; i < size; ++i) {
    MORBaseUnknown* element = (*_pContainerSet)[i];
    if (element == nullptr)
      TOVFatalInternalError("pContainer is NULL");
    TOVContainer* c = TOVCheckedCast<TOVContainer>(element);
    if (c != origin)
      action(c);
  }
}

void TOVContainersLink::AddObject(MORBaseUnknown* obj, TOVContainer* origin) {
  Notify(origin, [obj](TOVContainer* c) { c->Add(obj, 0); });
}

void TOVContainersLink::RemoveObject(const MORBaseUnknown* obj, TOVContainer* origin) {
  Notify(origin, [obj](TOVContainer* c) { c->Remove(obj, 0); });
}

void TOVContainersLink::ReplaceObject(const MORBaseUnknown* old, MORBaseUnknown* newObj,
                                      TOVContainer* origin) {
  Notify(origin, [old, newObj](TOVContainer* c) { c->Replace(old, newObj, 0); });
}

void TOVContainersLink::Clear(TOVContainer* origin) {
  Notify(origin, [](TOVContainer* c) { c->Clear(0); });
}
