#include "TOVInputGuiMergingModeChecker.h"
#include "TOVIterator.h"
#include "TOVRaiseError.h"
#include "TOVUtilities.h"

TOV_IMPLEMENT_CLASS(TOVInputGuiMergingModeChecker, MORBaseUnknown)

TOVInputGuiMergingModeChecker::~TOVInputGuiMergingModeChecker() = default;

long TOVInputGuiMergingModeChecker::Check(const TOVContainer& iValues,
                                          const TOVNLSMsgBldrRfHndlr& iRequest) const {
  TOVIterator* it = iValues.MakeIterator(nullptr);
  long result = 0;
  for (MORBaseUnknown* element = it->Next(); element != nullptr; element = it->Next()) {
    int mode = 0;
    if (TOVUtilities::ConvertStringToInt(*TOVCheckedCast<TOVString>(element), mode) && mode >= 1 &&
        mode <= 4)
      continue;
    result = TOV_RAISE_ERROR(iRequest, TOVCatalogMsg("TOVBC", "0023", mode, "1|2|3|4"),
                             TOVNLSMsgBldrRfHndlr());
    break;
  }
  it->Release();
  return result != 0 ? result : TOV_RETURN_SUCCESS();
}
