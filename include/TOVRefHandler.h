// Reference handlers: small values that own one reference to a runtime object.
//
// Every typed handler XRfHndlr is declared with one line,
//   TOV_DECLARE_RFHNDLR(X, BaseHandler)
// where BaseHandler is the handler of X's base class (or MORBaseUnknownRfHndlr).
#ifndef TOVREFHANDLER_H
#define TOVREFHANDLER_H

#include "MORBaseUnknown.h"
#include "MORMetaClass.h"
#include "TOVExport.h"

/// Ownership mode of a pointer handed to a handler.
enum TOVRfHndlrStateEnum {
  /// The handler takes over the reference that the caller holds (right after new).
  TOVRfHndlrNoAddRef = 0,
  /// The handler takes a reference of its own.
  TOVRfHndlrAddRef = 1
};

class TOVBASIC_API TOVRefHandler {
public:
  TOVRefHandler() : pObject(nullptr) {}
  /// Releases the held object.
  ~TOVRefHandler() {
    if (pObject != nullptr)
      pObject->Release();
  }
  TOVRefHandler(const TOVRefHandler&) = delete;
  TOVRefHandler& operator=(const TOVRefHandler&) = delete;

  /// The meta class of the class that the handler manages.
  virtual const MORMetaClass* GetManagedMetaObject() const = 0;

  int operator==(void* p) const { return pObject == p; }
  int operator!=(void* p) const { return pObject != p; }
  /// The held pointer, null when empty.
  MORBaseUnknown* GetpObject() const { return pObject; }

protected:
  /// The one place where a handler changes its object.
  void SetpObjectRfHndlr(TOVRfHndlrStateEnum state, MORBaseUnknown* p);
  /// What SetpObjectRfHndlr(TOVRfHndlrAddRef, p) does on an empty handler (a copy being
  /// built): holds p with a reference of its own. Inline, so that a copy costs no call.
  void ShareIntoEmpty(MORBaseUnknown* p) {
    if (p != nullptr)
      p->AddRef();
    pObject = p;
  }
  /// Stops the process with the five texts as message (a null text counts as empty).
  [[noreturn]] static void Fail(const char* s1, const char* s2 = nullptr, const char* s3 = nullptr,
                                const char* s4 = nullptr, const char* s5 = nullptr);
  /// Fatal unless p is null or a kind of this handler's managed class.
  void CheckSet(const MORBaseUnknown* p) const;
  /// Fatal unless other's managed class is a kind of this handler's managed class.
  void CheckAssign(const TOVRefHandler& other) const;

private:
  static void* operator new(size_t size);
  MORBaseUnknown* pObject;
};

/// The operations every typed handler has, managing class X on top of BaseHandler.
template <class X, class BaseHandler> class TOVTypedRfHndlr : public BaseHandler {
public:
  TOVTypedRfHndlr() = default;
  TOVTypedRfHndlr(TOVRfHndlrStateEnum state, X* p) { this->SetpObjectRfHndlr(state, p); }
  TOVTypedRfHndlr(const TOVTypedRfHndlr& other) : BaseHandler() {
    this->ShareIntoEmpty(other.GetpObject());
  }

  /// Class check of p, then holds it; gives the pointer now held.
  X* Set(TOVRfHndlrStateEnum state, X* p) {
    this->CheckSet(p);
    this->SetpObjectRfHndlr(state, p);
    return Get();
  }
  X* Get() const { return static_cast<X*>(this->GetpObject()); }
  X* operator->() const {
    if (this->GetpObject() == nullptr)
      TOVRefHandler::Fail("xxxRfHndlr::operator->(): Pointer == NULL");
    return Get();
  }
  X& operator*() const {
    if (this->GetpObject() == nullptr)
      TOVRefHandler::Fail("xxxRfHndlr::operator*(): Pointer == NULL");
    return *Get();
  }
  const MORMetaClass* GetManagedMetaObject() const override { return X::MetaObject(); }

protected:
  void Assign(const TOVRefHandler& other) {
    this->CheckAssign(other);
    this->SetpObjectRfHndlr(TOVRfHndlrAddRef, other.GetpObject());
  }

private:
  static void* operator new(size_t) { TOVRefHandler::Fail("xxxRfHndlr::operator new"); }
};

#define TOV_DECLARE_RFHNDLR(X, BaseHandler)                                                        \
  class X##RfHndlr : public TOVTypedRfHndlr<X, BaseHandler> {                                      \
    using Typed = TOVTypedRfHndlr<X, BaseHandler>;                                                 \
                                                                                                   \
  public:                                                                                          \
    X##RfHndlr() = default;                                                                        \
    X##RfHndlr(TOVRfHndlrStateEnum state, X* p) : Typed(state, p) {}                               \
    X##RfHndlr(const X##RfHndlr& other) : Typed(other) {}                                          \
    X##RfHndlr& operator=(const X##RfHndlr& other) {                                               \
      this->Assign(other);                                                                         \
      return *this;                                                                                \
    }                                                                                              \
  };

#endif
