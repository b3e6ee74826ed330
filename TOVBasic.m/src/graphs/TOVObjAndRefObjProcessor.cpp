#include "TOVObjAndRefObjProcessor.h"

TOV_IMPLEMENT_CLASS(TOVObjAndRefObjProcessor, MORBaseUnknown)

TOVObjAndRefObjProcessor::~TOVObjAndRefObjProcessor() = default;
