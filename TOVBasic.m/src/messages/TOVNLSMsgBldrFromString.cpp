#include "TOVNLSMsgBldrFromString.h"

TOV_IMPLEMENT_CLASS(TOVNLSMsgBldrFromString, TOVNLSMsgBldr)

TOVNLSMsgBldrFromString::TOVNLSMsgBldrFromString(const MORUnicodeString& text,
                                                 const char* catalogName, const char* msgId)
    : _Text(text), _MsgCatalogName(catalogName), _MsgId(msgId) {}

TOVNLSMsgBldrFromString::~TOVNLSMsgBldrFromString() = default;

const char* TOVNLSMsgBldrFromString::GetMsgCatalogName() const {
  return _MsgCatalogName;
}

const char* TOVNLSMsgBldrFromString::GetMsgId() const {
  return _MsgId;
}

MORUnicodeString TOVNLSMsgBldrFromString::Build() {
  return _Text;
}
