// Hashes nodes with identifier (or a text key) by identifier text.
#ifndef TOVEXECGRAPHNODEWITHIDHASHIDVAL_H
#define TOVEXECGRAPHNODEWITHIDHASHIDVAL_H

#include "TOVStringExtCharsHash.h"

class TOVBASIC_API TOVExecGraphNodeWithIdHashIdVal : public TOVStringExtCharsHash {
  TOV_DECLARE_CLASS(TOVExecGraphNodeWithIdHashIdVal)

public:
  TOVExecGraphNodeWithIdHashIdVal() = default;
  ~TOVExecGraphNodeWithIdHashIdVal() override;

  /// The text hash of the node's identifier (of the key itself for a text key); a node
  /// and the text of its identifier get the same code. A null argument is fatal.
  unsigned int Code(const MORBaseUnknown* pObject) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVExecGraphNodeWithIdHashIdVal& GetGlobal();

private:
  static TOVExecGraphNodeWithIdHashIdVal* _pGlobal;
};

#endif
