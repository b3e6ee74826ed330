// Compares nodes with identifier (or a node and a text key) by identifier text.
#ifndef TOVEXECGRAPHNODEWITHIDCMPIDVAL_H
#define TOVEXECGRAPHNODEWITHIDCMPIDVAL_H

#include "TOVStringExtCharsCmp.h"

class TOVBASIC_API TOVExecGraphNodeWithIdCmpIdVal : public TOVStringExtCharsCmp {
  TOV_DECLARE_CLASS(TOVExecGraphNodeWithIdCmpIdVal)

public:
  TOVExecGraphNodeWithIdCmpIdVal() = default;
  ~TOVExecGraphNodeWithIdCmpIdVal() override;

  /// Each node with identifier is replaced by its identifier, anything else (a text
  /// key) stays itself; then the texts are compared. A null argument is fatal.
  int CompareObjects(const MORBaseUnknown* pObj1, const MORBaseUnknown* pObj2) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVExecGraphNodeWithIdCmpIdVal& GetGlobal();

private:
  static TOVExecGraphNodeWithIdCmpIdVal* _pGlobal;
};

#endif
