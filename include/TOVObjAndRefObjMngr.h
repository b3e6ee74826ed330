// Collects a closure of objects, sorting them into objects to complete, to treat and not
// to treat.
#ifndef TOVOBJANDREFOBJMNGR_H
#define TOVOBJANDREFOBJMNGR_H

#include "TOVHashTable.h"
#include "TOVObjWithFamily.h"

class TOVObjAndRefObjProcessor;

/// Use: SetProcessor, Initialize, any number of AddObjAndRefObj, completion passes
/// (directly or through a group's Analyze), Terminate. A derived manager supplies
/// HandleRefObj and HandleObj; their non-zero codes stop the current step and are
/// passed back unchanged.
class TOVBASIC_API TOVObjAndRefObjMngr : public TOVObjWithFamily {
  TOV_DECLARE_CLASS(TOVObjAndRefObjMngr)

public:
  TOVObjAndRefObjMngr();
  ~TOVObjAndRefObjMngr() override;

  /// The objects waiting for the next completion pass.
  virtual const TOVHashTable& GetObjToCompleteSet() const;
  virtual const TOVHashTable& GetObjToTreatSet() const;
  virtual const TOVHashTable& GetObjNotToTreatSet() const;
  /// Takes processor (not owned), telling the previous one and the new one.
  virtual void SetProcessor(TOVObjAndRefObjProcessor* processor);
  /// Empties the sets and prepares the processor; gives its code.
  virtual long Initialize();
  /// Classifies object and files it; an object already known is left alone.
  virtual long AddObjAndRefObj(MORBaseUnknown* object);
  /// One completion pass over the objects to complete; the objects added meanwhile wait
  /// for the next pass.
  virtual long CompleteAndAddRefObj();
  /// Lets the processor go.
  virtual void Terminate();

protected:
  /// The processor; fatal when none is set.
  virtual TOVObjAndRefObjProcessor& GetProcessor() const;
  /// Deals with what object refers to; clears complete (preset to 1) when the object
  /// cannot be finished yet.
  virtual long HandleRefObj(MORBaseUnknown* object, unsigned int& complete) = 0;
  /// Deals with an object found complete.
  virtual long HandleObj(MORBaseUnknown* object) = 0;

private:
  /// 1 when the object is in one of the three sets (the current to-complete set), or
  /// when a handler called by AddObjAndRefObj is running on it.
  unsigned int IsKnown(const MORBaseUnknown* object) const;
  TOVHashTable& OtherObjToCompleteSet();

  TOVObjAndRefObjProcessor* _pProcessor;
  TOVHashTable _ObjToCompleteSet1;
  TOVHashTable _ObjToCompleteSet2;
  TOVHashTable* _pObjToCompleteSet;
  TOVHashTable _ObjToTreatSet;
  TOVHashTable _ObjNotToTreatSet;
  int _Initialized;
  /// Objects whose HandleRefObj or HandleObj, called by AddObjAndRefObj, is running, so
  /// that an object reached again through a cycle of references is not handled again.
  TOVHashTable _ObjInProgressSet;
};

#endif
