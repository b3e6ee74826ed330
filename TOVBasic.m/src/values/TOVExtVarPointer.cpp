#include "TOVExtVarPointer.h"

TOV_IMPLEMENT_CLASS(TOVExtVarPointer, TOVExtPointer)

TOVExtVarPointer::~TOVExtVarPointer() = default;
