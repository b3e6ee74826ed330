#include "TOVParamNLSMsgBldr.h"

TOV_IMPLEMENT_CLASS(TOVParamNLSMsgBldr, TOVNLSMsgBldr)

TOVParamNLSMsgBldr::~TOVParamNLSMsgBldr() = default;
