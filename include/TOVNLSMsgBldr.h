// A user-facing message that knows its catalog and id and builds its text on demand.
#ifndef TOVNLSMSGBLDR_H
#define TOVNLSMSGBLDR_H

#include "MORUnicodeString.h"
#include "TOVMacro.h"

/// Abstract message builder. Building never fails: problems show in the text.
class TOVBASIC_API TOVNLSMsgBldr : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVNLSMsgBldr)
public:
  TOVNLSMsgBldr() = default;
  ~TOVNLSMsgBldr() override;

  /// The name of the catalog the message belongs to.
  virtual const char* GetMsgCatalogName() const = 0;
  /// The message's id in its catalog.
  virtual const char* GetMsgId() const = 0;
  /// The finished text.
  virtual MORUnicodeString Build() = 0;
};

#endif
