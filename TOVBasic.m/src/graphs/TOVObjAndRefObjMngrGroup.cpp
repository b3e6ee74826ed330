#include "TOVObjAndRefObjMngrGroup.h"
#include "TOVContainer.h"
#include "TOVIterator.h"
#include "TOVObjAndRefObjMngr.h"

TOV_IMPLEMENT_CLASS(TOVObjAndRefObjMngrGroup, MORBaseUnknown)

TOVObjAndRefObjMngrGroup::~TOVObjAndRefObjMngrGroup() = default;

namespace {

/// Calls action on each manager of managers in container order until it gives a
/// non-zero code, which is returned (0 when every call gave 0).
template <class Action> long ForEachMngr(const TOVContainer& managers, Action action) {
  long code = 0;
  TOVIterator* it = managers.MakeIterator(nullptr);
  while (MORBaseUnknown* next = it->Next()) {
    code = action(*TOVCheckedCast<TOVObjAndRefObjMngr>(next));
    if (code != 0)
      break;
  }
  it->Release();
  return code;
}

} // namespace

long TOVObjAndRefObjMngrGroup::Initialize() {
  return ForEachMngr(GetMngrs(), [](TOVObjAndRefObjMngr& m) { return m.Initialize(); });
}

long TOVObjAndRefObjMngrGroup::Analyze() {
  for (;;) {
    bool worked = false;
    const long code = ForEachMngr(GetMngrs(), [&worked](TOVObjAndRefObjMngr& m) {
      if (m.GetObjToCompleteSet().IsEmpty())
        return 0L;
      worked = true;
      return m.CompleteAndAddRefObj();
    });
    if (code != 0 || !worked)
      return code;
  }
}

void TOVObjAndRefObjMngrGroup::Terminate() {
  ForEachMngr(GetMngrs(), [](TOVObjAndRefObjMngr& m) {
    m.Terminate();
    return 0L;
  });
}
