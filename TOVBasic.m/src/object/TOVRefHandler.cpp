#include "TOVRefHandler.h"
#include "TOVFatalInternalError.h"

void TOVRefHandler::SetpObjectRfHndlr(TOVRfHndlrStateEnum state, MORBaseUnknown* p) {
  if (p == pObject)
    return;
  MORBaseUnknown* old = pObject;
  pObject = p;
  if (p != nullptr && state == TOVRfHndlrAddRef)
    p->AddRef();
  // Released last, so that an object whose destruction reaches this handler again
  // finds it already holding the new pointer.
  if (old != nullptr)
    old->Release();
}

void TOVRefHandler::Fail(const char* s1, const char* s2, const char* s3, const char* s4,
                         const char* s5) {
  auto text = [](const char* s) { return s != nullptr ? s : ""; };
  TOVFatalInternalError(text(s1), text(s2), text(s3), text(s4), text(s5));
}

void TOVRefHandler::CheckSet(const MORBaseUnknown* p) const {
  if (p == nullptr)
    return;
  const MORMetaClass* actual = p->GetMetaObject();
  const MORMetaClass* managed = GetManagedMetaObject();
  if (!actual->IsAKindOf(managed))
    Fail("xxxRfHndlr::Set(): the object is a ", actual->_Name, " that does'nt derive from ",
         managed->_Name, nullptr);
}

void TOVRefHandler::CheckAssign(const TOVRefHandler& other) const {
  const MORMetaClass* theirs = other.GetManagedMetaObject();
  const MORMetaClass* mine = GetManagedMetaObject();
  if (!theirs->IsAKindOf(mine))
    Fail("xxxRfHndlr::operator=(): the handler to copy manage ", theirs->_Name,
         " that does'nt derive from ", mine->_Name, nullptr);
}

void* TOVRefHandler::operator new(size_t) {
  Fail("TOVRefHandler::operator new");
}
