#include "TOVExtConstPointer.h"

TOV_IMPLEMENT_CLASS(TOVExtConstPointer, TOVExtPointer)

TOVExtConstPointer::~TOVExtConstPointer() = default;
