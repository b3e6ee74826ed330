// Runs the completion passes of several object managers until none has work left.
#ifndef TOVOBJANDREFOBJMNGRGROUP_H
#define TOVOBJANDREFOBJMNGRGROUP_H

#include "TOVMacro.h"

class TOVContainer;

/// A derived group supplies its managers and what it does with the result.
class TOVBASIC_API TOVObjAndRefObjMngrGroup : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVObjAndRefObjMngrGroup)

public:
  TOVObjAndRefObjMngrGroup() = default;
  ~TOVObjAndRefObjMngrGroup() override;

  /// The managers (each a TOVObjAndRefObjMngr), in the order they are run.
  virtual const TOVContainer& GetMngrs() const = 0;
  /// Initialize of each manager; stops at the first non-zero code and gives it.
  [[nodiscard]] virtual long Initialize();
  /// What the derived group does with the treated objects once the analysis is done;
  /// the library itself never calls it.
  [[nodiscard]] virtual long TreatObjs() = 0;
  /// Rounds of completion passes over the managers with objects to complete, until a
  /// round finds none; a non-zero code stops everything and is given back.
  [[nodiscard]] virtual long Analyze();
  /// Terminate of each manager.
  virtual void Terminate();
};

#endif
