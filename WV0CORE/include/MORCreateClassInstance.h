// Creating an object of a registered class through the runtime.
#ifndef MORCREATECLASSINSTANCE_H
#define MORCREATECLASSINSTANCE_H

#include "MORBaseUnknown.h"

#ifndef CLASS_E_NOAGGREGATION
#define CLASS_E_NOAGGREGATION MOR_STATUS(0x80040110u)
#endif

/// Makes a new object of a class; gives null when it cannot (the default).
typedef MORBaseUnknown* (*MORClassCreator)();

/// Lets MORCreateClassInstance create objects of the registered class className through
/// creator (null withdraws it). Gives 0, or CLASS_E_CLASSNOTAVAILABLE when no class of that
/// name is registered.
WV0CORE_API long MORRegisterClassCreator(const char* className, MORClassCreator creator);

/// Creates an object of the class whose GUID is classId and asks it for interface iid
/// (QueryInterface); *out receives the interface with one reference, or null. Gives 0 on
/// success; CLASS_E_CLASSNOTAVAILABLE when no class has that GUID; E_NOTIMPL when the
/// class is registered but has no creator; E_FAIL when its creator gives null;
/// CLASS_E_NOAGGREGATION when outer is not null; E_POINTER when out is null; else the code
/// of QueryInterface. context is not used. No error is made pending.
WV0CORE_API long MORCreateClassInstance(const MORGUID& classId, MORBaseUnknown* outer,
                                        unsigned long context, const MORGUID& iid, void** out);
/// As above, for the class registered under className.
WV0CORE_API long MORCreateClassInstance(const char* className, MORBaseUnknown* outer,
                                        unsigned long context, const MORGUID& iid, void** out);

#endif
