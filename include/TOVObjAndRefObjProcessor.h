// Decides, for object managers, which objects are to be treated.
#ifndef TOVOBJANDREFOBJPROCESSOR_H
#define TOVOBJANDREFOBJPROCESSOR_H

#include "TOVMacro.h"

class TOVObjAndRefObjMngr;

/// Classification of an object by ClassifyObj.
enum TOVObjAndRefObjClassEnum {
  TOVObjNotToTreat = 0,
  TOVObjToTreat = 1,
  /// To treat, but it cannot be finished yet: it waits for a completion pass.
  TOVObjToTreatNotComplete = 2
};

/// Shared by managers, not owned by them. Every operation is supplied by a derived class.
class TOVBASIC_API TOVObjAndRefObjProcessor : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVObjAndRefObjProcessor)

public:
  TOVObjAndRefObjProcessor() = default;
  ~TOVObjAndRefObjProcessor() override;

  /// Called by a manager's Initialize; gives a status code.
  [[nodiscard]] virtual long InitProcessing() = 0;
  /// 0 not to treat, 1 to treat, 2 to treat but not complete.
  virtual int ClassifyObj(MORBaseUnknown* object) = 0;
  /// Called at the start of each completion pass; gives a status code.
  [[nodiscard]] virtual long PrepareCompletion() = 0;
  /// Called when a manager takes the processor.
  virtual void AttachMngr(TOVObjAndRefObjMngr& manager) = 0;
  /// Called when a manager lets it go.
  virtual void DetachMngr(TOVObjAndRefObjMngr& manager) = 0;
};

#endif
