#include "TOVCoupledConvertor.h"

TOV_IMPLEMENT_CLASS(TOVCoupledConvertor, TOVConvertor)

TOVCoupledConvertor::TOVCoupledConvertor(TOVConvertor& first, TOVConvertor& second)
    : _First(first), _Second(second) {}

TOVCoupledConvertor::~TOVCoupledConvertor() = default;

void TOVCoupledConvertor::Set(const MORBaseUnknown* obj) {
  _First.Set(obj);
  _Second.Set(_First.GetConverted());
}

const MORBaseUnknown* TOVCoupledConvertor::GetConverted() const {
  return _Second.GetConverted();
}
