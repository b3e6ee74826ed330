// Run-time description of a registered class.
#ifndef MORMETACLASS_H
#define MORMETACLASS_H

#include "MORTypes.h"

class MORBaseUnknown;

/// One meta class exists per class name. Its first two members are the GUID and the
/// name, in that order; both stay valid for the life of the process.
class WV0CORE_API MORMetaClass {
public:
  const MORGUID _Guid;
  const char* const _Name;

  const MORGUID& GetGuid() const { return _Guid; }
  const char* GetName() const { return _Name; }
  MORMetaClass* GetParent() const { return _pParent; }
  int GetClassType() const { return _ClassType; }
  const char* GetFramework() const { return _Framework; }
  size_t GetInstanceSize() const { return _InstanceSize; }

  /// True when this class, or one of its ancestors, is named name.
  int IsAKindOf(const char* name) const;
  /// True when this class is other or derives from it.
  int IsAKindOf(const MORMetaClass* other) const;

  /// The meta class registered under name, or null.
  static MORMetaClass* Find(const char* name);
  /// The meta class whose GUID is guid, or null.
  static MORMetaClass* Find(const MORGUID& guid);
  /// Calls visit for every registered class, in order of registration.
  static void ForEach(void (*visit)(MORMetaClass* meta, void* context), void* context);

  /// The name-based GUID every process gives a class of this name.
  static MORGUID GuidFromName(const char* name);

  MORMetaClass(const char* name, int classType, MORMetaClass* parent, const char* nullName,
               const char* framework, size_t instanceSize);
  MORMetaClass(const MORMetaClass&) = delete;
  MORMetaClass& operator=(const MORMetaClass&) = delete;

private:
  MORMetaClass* _pParent;
  int _ClassType;
  const char* _NullName;
  const char* _Framework;
  size_t _InstanceSize;
};

/// Gives the one meta class of the class name, registering it on the first call. Later
/// calls with the same name give the same meta class, whatever their other arguments.
extern "C" WV0CORE_API MORMetaClass*
fct_RetrieveMetaObject(const char* className, int classType, MORMetaClass* parent,
                       const char* nullName, const char* framework, size_t instanceSize);

#endif
