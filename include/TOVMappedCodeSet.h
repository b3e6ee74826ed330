// A set of mapped codes found from their code text.
#ifndef TOVMAPPEDCODESET_H
#define TOVMAPPEDCODESET_H

#include "TOVExtChars.h"
#include "TOVHashTable.h"
#include "TOVMappedCode.h"

/// Base of the concrete code sets, which add their codes. The set does not own its codes:
/// they must live as long as the set.
class TOVBASIC_API TOVMappedCodeSet : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVMappedCodeSet)

public:
  ~TOVMappedCodeSet() override;

  /// The code of text iCode (case respected), or null.
  virtual const TOVMappedCode* LookupMappedCodeOnCode(const TOVExtChars& iCode) const;

  /// Adds iCode to the set; the caller keeps it.
  void AddMappedCode(TOVMappedCode& iCode);

protected:
  /// An empty set whose table starts with iSize buckets (rounded as the hash table does).
  explicit TOVMappedCodeSet(int iSize);

  const TOVHashTable& GetMappedCodeTable() const;

private:
  TOVHashTable _MappedCodeTable;
};

#endif
