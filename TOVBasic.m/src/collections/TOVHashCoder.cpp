#include "TOVHashCoder.h"

TOV_IMPLEMENT_CLASS(TOVHashCoder, MORBaseUnknown)

TOVHashCoder::~TOVHashCoder() = default;
