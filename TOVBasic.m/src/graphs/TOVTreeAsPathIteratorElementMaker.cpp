#include "TOVTreeAsPathIteratorElementMaker.h"

TOV_IMPLEMENT_CLASS(TOVTreeAsPathIteratorElementMaker, TOVTreeIteratorElementMaker)

TOVTreeAsPathIteratorElementMaker::~TOVTreeAsPathIteratorElementMaker() = default;
