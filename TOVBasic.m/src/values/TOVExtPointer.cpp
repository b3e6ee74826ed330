#include "TOVExtPointer.h"

TOV_IMPLEMENT_CLASS(TOVExtPointer, TOVExtDataType)

TOVExtPointer::~TOVExtPointer() = default;
