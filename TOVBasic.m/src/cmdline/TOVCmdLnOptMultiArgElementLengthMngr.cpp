#include "TOVCmdLnOptMultiArgElementLengthMngr.h"

#include "TOVCmdLnLengthCheck.h"
#include "TOVCmdLnOptMultiArg.h"
#include "TOVIterator.h"
#include "TOVRaiseError.h"

TOV_IMPLEMENT_CLASS(TOVCmdLnOptMultiArgElementLengthMngr, TOVCmdLnOptMngr)

TOVCmdLnOptMultiArgElementLengthMngr::TOVCmdLnOptMultiArgElementLengthMngr(
    TOVCmdLnAnalyzer& iAnalyzer, const TOVCmdLnOptMultiArg& iOption, int iMinimum, int iMaximum)
    : TOVCmdLnOptMngr(iAnalyzer), _pOption(&iOption), _Minimum(iMinimum), _Maximum(iMaximum) {}

TOVCmdLnOptMultiArgElementLengthMngr::~TOVCmdLnOptMultiArgElementLengthMngr() = default;

long TOVCmdLnOptMultiArgElementLengthMngr::Check() {
  TOVIterator* it = _pOption->GetArgumentSet().MakeIterator(nullptr);
  long result = 0;
  for (MORBaseUnknown* element = it->Next(); element != nullptr && result == 0;
       element = it->Next())
    result =
        TOVCmdLnCheckLength(*_pOption, *TOVCheckedCast<TOVString>(element), _Minimum, _Maximum);
  it->Release();
  return result != 0 ? result : TOV_RETURN_SUCCESS();
}

void TOVCmdLnOptMultiArgElementLengthMngr::Reset() {}
