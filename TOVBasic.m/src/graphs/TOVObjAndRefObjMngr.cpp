#include "TOVObjAndRefObjMngr.h"
#include "TOVFatalInternalError.h"
#include "TOVIterator.h"
#include "TOVObjAndRefObjProcessor.h"

TOV_IMPLEMENT_CLASS(TOVObjAndRefObjMngr, TOVObjWithFamily)

namespace {

const int kSetSize = 256;

/// Keeps object in the in-progress set while a handler of the manager runs on it.
class InProgress {
public:
  InProgress(TOVHashTable& set, MORBaseUnknown* object) : _Set(set), _pObject(object) {
    _Set.Add(object, 1);
  }
  ~InProgress() { _Set.Remove(_pObject, 1); }
  InProgress(const InProgress&) = delete;
  InProgress& operator=(const InProgress&) = delete;

private:
  TOVHashTable& _Set;
  MORBaseUnknown* _pObject;
};

} // namespace

TOVObjAndRefObjMngr::TOVObjAndRefObjMngr()
    : _pProcessor(nullptr), _ObjToCompleteSet1(TOVContainerNothingAtDelete, kSetSize),
      _ObjToCompleteSet2(TOVContainerNothingAtDelete, kSetSize),
      _pObjToCompleteSet(&_ObjToCompleteSet1),
      _ObjToTreatSet(TOVContainerNothingAtDelete, kSetSize),
      _ObjNotToTreatSet(TOVContainerNothingAtDelete, kSetSize), _Initialized(0),
      _ObjInProgressSet(TOVContainerNothingAtDelete, kSetSize) {}

TOVObjAndRefObjMngr::~TOVObjAndRefObjMngr() = default;

const TOVHashTable& TOVObjAndRefObjMngr::GetObjToCompleteSet() const {
  return *_pObjToCompleteSet;
}

const TOVHashTable& TOVObjAndRefObjMngr::GetObjToTreatSet() const {
  return _ObjToTreatSet;
}

const TOVHashTable& TOVObjAndRefObjMngr::GetObjNotToTreatSet() const {
  return _ObjNotToTreatSet;
}

void TOVObjAndRefObjMngr::SetProcessor(TOVObjAndRefObjProcessor* processor) {
  if (processor == _pProcessor)
    return;
  if (_pProcessor != nullptr)
    _pProcessor->DetachMngr(*this);
  _pProcessor = processor;
  if (_pProcessor != nullptr)
    _pProcessor->AttachMngr(*this);
}

TOVObjAndRefObjProcessor& TOVObjAndRefObjMngr::GetProcessor() const {
  if (_pProcessor == nullptr)
    TOVFatalInternalError("_pProcessor == NULL");
  return *_pProcessor;
}

void TOVObjAndRefObjMngr::Terminate() {
  if (_pProcessor != nullptr)
    _pProcessor->DetachMngr(*this);
  _pProcessor = nullptr;
}

long TOVObjAndRefObjMngr::Initialize() {
  _ObjToCompleteSet1.Clear(1);
  _ObjToCompleteSet2.Clear(1);
  _ObjToTreatSet.Clear(1);
  _ObjNotToTreatSet.Clear(1);
  const long code = GetProcessor().InitProcessing();
  _Initialized = 1;
  return code;
}

TOVHashTable& TOVObjAndRefObjMngr::OtherObjToCompleteSet() {
  return _pObjToCompleteSet == &_ObjToCompleteSet1 ? _ObjToCompleteSet2 : _ObjToCompleteSet1;
}

unsigned int TOVObjAndRefObjMngr::IsKnown(const MORBaseUnknown* object) const {
  return _pObjToCompleteSet->Contains(object) || _ObjToTreatSet.Contains(object) ||
                 _ObjNotToTreatSet.Contains(object) || _ObjInProgressSet.Contains(object)
             ? 1
             : 0;
}

long TOVObjAndRefObjMngr::AddObjAndRefObj(MORBaseUnknown* object) {
  if (!_Initialized)
    TOVFatalInternalError("Initialize() must be called before");
  if (IsKnown(object))
    return 0;
  const int kind = GetProcessor().ClassifyObj(object);
  if (kind == TOVObjNotToTreat) {
    _ObjNotToTreatSet.Add(object, 1);
    return 0;
  }
  unsigned int complete = 1;
  {
    InProgress guard(_ObjInProgressSet, object);
    long code = HandleRefObj(object, complete);
    if (code != 0)
      return code;
    if (kind == TOVObjToTreatNotComplete) {
      complete = 0;
    } else {
      code = HandleObj(object);
      if (code != 0)
        return code;
    }
  }
  (complete ? _ObjToTreatSet : *_pObjToCompleteSet).Add(object, 1);
  return 0;
}

long TOVObjAndRefObjMngr::CompleteAndAddRefObj() {
  if (!_Initialized)
    TOVFatalInternalError("Initialize() must be called before");
  long code = GetProcessor().PrepareCompletion();
  if (code != 0)
    return code;
  TOVHashTable& completing = *_pObjToCompleteSet;
  TOVIterator* objects = completing.MakeIterator(nullptr);
  _pObjToCompleteSet = &OtherObjToCompleteSet();
  _pObjToCompleteSet->Clear(1);
  while (MORBaseUnknown* object = objects->Next()) {
    const int kind = GetProcessor().ClassifyObj(object);
    if (kind == TOVObjNotToTreat) {
      if (!_ObjNotToTreatSet.Contains(object))
        _ObjNotToTreatSet.Add(object, 1);
      continue;
    }
    if (kind == TOVObjToTreatNotComplete)
      TOVFatalInternalError("The processor ", GetProcessor().IsA(),
                            " tells the object is not completed");
    unsigned int complete = 1;
    code = HandleRefObj(object, complete);
    if (code != 0)
      break;
    if (!complete)
      TOVFatalInternalError("The manager ", IsA(), " tells the object is not completed");
    code = HandleObj(object);
    if (code != 0)
      break;
    if (!_ObjToTreatSet.Contains(object))
      _ObjToTreatSet.Add(object, 1);
  }
  objects->Release();
  return code;
}
