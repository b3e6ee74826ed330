// Keeps several containers that hold the same objects in step.
#ifndef TOVCONTAINERSLINK_H
#define TOVCONTAINERSLINK_H

#include "TOVMacro.h"

class TOVContainer;
class TOVVector;

class TOVBASIC_API TOVContainersLink : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVContainersLink)
public:
  TOVContainersLink();
  /// Detaches every member; the containers themselves are not touched.
  ~TOVContainersLink() override;

  /// Links c (which must not belong to a link yet).
  virtual void AddContainer(TOVContainer* c);
  /// Fills the empty container c with the objects of the first member, then links it.
  virtual void FillAndAddContainer(TOVContainer* c);
  /// Unlinks c; no effect when c is not a member.
  virtual void RemoveContainer(TOVContainer* c);
  /// The members, in the order in which they joined.
  virtual const TOVVector& GetContainerSet() const;
  /// Add(obj, 0) on every member but origin.
  virtual void AddObject(MORBaseUnknown* obj, TOVContainer* origin);
  /// Remove(obj, 0) on every member but origin.
  virtual void RemoveObject(const MORBaseUnknown* obj, TOVContainer* origin);
  /// Replace(old, newObj, 0) on every member but origin.
  virtual void ReplaceObject(const MORBaseUnknown* old, MORBaseUnknown* newObj,
                             TOVContainer* origin);
  /// Clear(0) on every member but origin.
  virtual void Clear(TOVContainer* origin);

private:
  template <class Action> void Notify(TOVContainer* origin, Action action);

  // The members, held apart so that this header does not need the vector's: the
  // vector's own header reaches this one through the containers.
  TOVVector* _pContainerSet;
};

#endif
