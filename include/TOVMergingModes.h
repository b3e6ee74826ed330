// The shared holder of the merging modes that a tool offers.
#ifndef TOVMERGINGMODES_H
#define TOVMERGINGMODES_H

#include "TOVVector.h"

/// Holds pointers to the merging modes; whoever made the modes keeps them.
class TOVBASIC_API TOVMergingModes : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVMergingModes)

public:
  /// An empty set.
  TOVMergingModes();
  ~TOVMergingModes() override;

  /// The shared holder, made empty on first use and owned by the global object cleaner.
  static TOVMergingModes& GetGlobal();

  virtual const TOVVector& GetMergingModesSet() const;
  /// Replaces the set's contents by those of iModes (vector assignment).
  virtual void SetMergingModesSet(TOVVector& iModes);

private:
  TOVVector _MergingModesSet;

  static TOVMergingModes* _pGlobal;
};

#endif
