#include "TOVObjWithFamily.h"

TOV_IMPLEMENT_CLASS(TOVObjWithFamily, MORBaseUnknown)

TOVObjWithFamily::~TOVObjWithFamily() = default;
