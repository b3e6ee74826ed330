// Copying the text of a string or external character object into an external string.
#ifndef TOVCOPYTEXT_H
#define TOVCOPYTEXT_H

#include "TOVExtAnyString.h"

/// Copies the text of obj into oTarget and gives true; gives false, leaving oTarget
/// alone, when obj is null. obj must be a TOVString or a TOVExtChars (the checked
/// conversion stops the process otherwise).
inline bool TOVCopyTextInto(TOVExtAnyString& oTarget, const MORBaseUnknown* obj) {
  if (obj == nullptr)
    return false;
  if (obj->GetMetaObject()->IsAKindOf(TOVString::MetaObject()))
    oTarget.SetString(*static_cast<const TOVString*>(obj));
  else
    oTarget.SetExtChars(*TOVCheckedCast<TOVExtChars>(obj));
  return true;
}

#endif
