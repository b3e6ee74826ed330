// A message builder whose text is already made.
#ifndef TOVNLSMSGBLDRFROMSTRING_H
#define TOVNLSMSGBLDRFROMSTRING_H

#include "TOVNLSMsgBldr.h"
#include "TOVString.h"

/// Gives a fixed text under a catalog name and message id; never reads a catalog.
class TOVBASIC_API TOVNLSMsgBldrFromString : public TOVNLSMsgBldr {
  TOV_DECLARE_CLASS(TOVNLSMsgBldrFromString)
public:
  /// Copies the three (null names count as empty).
  TOVNLSMsgBldrFromString(const MORUnicodeString& text, const char* catalogName, const char* msgId);
  ~TOVNLSMsgBldrFromString() override;

  const char* GetMsgCatalogName() const override;
  const char* GetMsgId() const override;
  /// A copy of the stored text.
  MORUnicodeString Build() override;

private:
  MORUnicodeString _Text;
  TOVString _MsgCatalogName;
  TOVString _MsgId;
};

#endif
