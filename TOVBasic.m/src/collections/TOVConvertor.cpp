#include "TOVConvertor.h"

TOV_IMPLEMENT_CLASS(TOVConvertor, MORBaseUnknown)

TOVConvertor::~TOVConvertor() = default;
