// Class registration and checked down-casts.
//
// A registered class says TOV_DECLARE_CLASS(X) in its body and
// TOV_IMPLEMENT_CLASS(X, Base) once in its source. Together they give the seven
// identity operations every registered class has: CreateItself, MetaObject,
// GetMetaObject, ClassId, ClassName, IsA and IsAKindOf.
#ifndef TOVMACRO_H
#define TOVMACRO_H

#include "MORBaseUnknown.h"
#include "MORMetaClass.h"
#include "TOVExport.h"

/// Type-of-class value that every class of the library registers with.
#define TOV_CLASS_TYPE 1
/// Framework name that every class of the library registers under.
#define TOV_FRAMEWORK_NAME "TovelBase"

/// Remembers the MetaObject operation of a class that the program defines, so that
/// TOVRegisterAllClasses can reach it. Remembering does not register the class.
class TOVBASIC_API TOVClassRecord {
public:
  explicit TOVClassRecord(MORMetaClass* (*metaObject)());
  MORMetaClass* (*const _pMetaObject)();
  const TOVClassRecord* const _pNext;
};

/// Registers every class defined with TOV_IMPLEMENT_CLASS in the loaded modules;
/// gives how many there are.
extern "C" TOVBASIC_API int TOVRegisterAllClasses();

#define TOV_DECLARE_CLASS(X)                                                                       \
private:                                                                                           \
  static MORMetaClass* meta_object;                                                                \
                                                                                                   \
public:                                                                                            \
  static MORBaseUnknown* CreateItself();                                                           \
  static MORMetaClass* MetaObject();                                                               \
  MORMetaClass* GetMetaObject() const override;                                                    \
  static const MORGUID& ClassId();                                                                 \
  static const char* ClassName();                                                                  \
  const char* IsA() const override;                                                                \
  int IsAKindOf(const char* name) const override;                                                  \
                                                                                                   \
private:

#define TOV_IMPLEMENT_CLASS(X, Base)                                                               \
  MORMetaClass* X::meta_object = nullptr;                                                          \
  MORBaseUnknown* X::CreateItself() {                                                              \
    return nullptr;                                                                                \
  }                                                                                                \
  MORMetaClass* X::MetaObject() {                                                                  \
    if (meta_object == nullptr) {                                                                  \
      MORMetaClass* parent = Base::MetaObject();                                                   \
      meta_object = fct_RetrieveMetaObject(#X, TOV_CLASS_TYPE, parent, "MORNull",                  \
                                           TOV_FRAMEWORK_NAME, sizeof(X));                         \
    }                                                                                              \
    return meta_object;                                                                            \
  }                                                                                                \
  MORMetaClass* X::GetMetaObject() const {                                                         \
    return meta_object != nullptr ? meta_object : MetaObject();                                    \
  }                                                                                                \
  const MORGUID& X::ClassId() {                                                                    \
    return MetaObject()->_Guid;                                                                    \
  }                                                                                                \
  const char* X::ClassName() {                                                                     \
    return MetaObject()->_Name;                                                                    \
  }                                                                                                \
  const char* X::IsA() const {                                                                     \
    return ClassName();                                                                            \
  }                                                                                                \
  int X::IsAKindOf(const char* name) const {                                                       \
    return MetaObject()->IsAKindOf(name);                                                          \
  }                                                                                                \
  static const TOVClassRecord X##_ClassRecord(&X::MetaObject);

/// Gives object when it is null or a kind of expected; otherwise a fatal internal error
/// naming both classes. A null expected with a non-null object is a fatal internal error.
extern "C" TOVBASIC_API MORBaseUnknown* TOVConversionCheckVar(MORBaseUnknown* object,
                                                              MORMetaClass* expected);
/// As TOVConversionCheckVar, for a const object.
extern "C" TOVBASIC_API const MORBaseUnknown* TOVConversionCheckConst(const MORBaseUnknown* object,
                                                                      MORMetaClass* expected);
/// As TOVConversionCheckVar, giving a const object back as a non-const one.
extern "C" TOVBASIC_API MORBaseUnknown* TOVConversionCheckConstToVar(const MORBaseUnknown* object,
                                                                     MORMetaClass* expected);

/// Checked down-cast of a non-const object to class T.
template <class T> T* TOVCheckedCast(MORBaseUnknown* object) {
  return static_cast<T*>(TOVConversionCheckVar(object, T::MetaObject()));
}
/// Checked down-cast of a const object to class T.
template <class T> const T* TOVCheckedCast(const MORBaseUnknown* object) {
  return static_cast<const T*>(TOVConversionCheckConst(object, T::MetaObject()));
}

#endif
