#include "TOVMappedCodeSet.h"
#include "TOVMappedCodeCmpCodeVal.h"
#include "TOVMappedCodeHashCodeVal.h"

TOV_IMPLEMENT_CLASS(TOVMappedCodeSet, MORBaseUnknown)

TOVMappedCodeSet::TOVMappedCodeSet(int iSize)
    : _MappedCodeTable(TOVMappedCodeHashCodeVal::GetGlobal(), TOVMappedCodeCmpCodeVal::GetGlobal(),
                       TOVContainerNothingAtDelete, iSize) {}

TOVMappedCodeSet::~TOVMappedCodeSet() = default;

const TOVMappedCode* TOVMappedCodeSet::LookupMappedCodeOnCode(const TOVExtChars& iCode) const {
  return static_cast<const TOVMappedCode*>(_MappedCodeTable.LookupOne(&iCode));
}

void TOVMappedCodeSet::AddMappedCode(TOVMappedCode& iCode) {
  _MappedCodeTable.Add(&iCode, 0);
}

const TOVHashTable& TOVMappedCodeSet::GetMappedCodeTable() const {
  return _MappedCodeTable;
}
