#include "TOVTreeAsTreeIteratorElementMaker.h"

TOV_IMPLEMENT_CLASS(TOVTreeAsTreeIteratorElementMaker, TOVTreeAsPathIteratorElementMaker)

TOVTreeAsTreeIteratorElementMaker::~TOVTreeAsTreeIteratorElementMaker() = default;
