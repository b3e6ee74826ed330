#include "TOVBeginInformer.h"

TOV_IMPLEMENT_CLASS(TOVBeginInformer, MORBaseUnknown)

TOVBeginInformer::~TOVBeginInformer() = default;
