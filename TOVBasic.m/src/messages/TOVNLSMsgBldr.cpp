#include "TOVNLSMsgBldr.h"

TOV_IMPLEMENT_CLASS(TOVNLSMsgBldr, MORBaseUnknown)

TOVNLSMsgBldr::~TOVNLSMsgBldr() = default;
