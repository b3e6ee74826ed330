#include "TOVListLink.h"

TOV_IMPLEMENT_CLASS(TOVListLink, MORBaseUnknown)

TOVListLink::~TOVListLink() = default;
