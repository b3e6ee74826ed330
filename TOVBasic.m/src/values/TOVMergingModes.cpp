#include "TOVMergingModes.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVMergingModes, MORBaseUnknown)

TOVMergingModes* TOVMergingModes::_pGlobal = nullptr;

TOVMergingModes::TOVMergingModes() : _MergingModesSet(TOVContainerNothingAtDelete) {}

TOVMergingModes::~TOVMergingModes() {
  TOVForgetSharedInstance(_pGlobal, this);
}

TOVMergingModes& TOVMergingModes::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}

const TOVVector& TOVMergingModes::GetMergingModesSet() const {
  return _MergingModesSet;
}

void TOVMergingModes::SetMergingModesSet(TOVVector& iModes) {
  _MergingModesSet = iModes;
}
