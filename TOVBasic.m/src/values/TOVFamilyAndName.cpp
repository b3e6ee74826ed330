#include "TOVFamilyAndName.h"

TOV_IMPLEMENT_CLASS(TOVFamilyAndName, TOVObjWithFamily)

TOVFamilyAndName::~TOVFamilyAndName() = default;
