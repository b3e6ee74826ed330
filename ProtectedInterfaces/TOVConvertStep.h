// Conversion step shared by the volatile iterators.
#ifndef TOVCONVERTSTEP_H
#define TOVCONVERTSTEP_H

#include "TOVConvertor.h"

/// obj converted by conv when both are set; a null obj stays null without calling conv,
/// and a null conv gives obj itself.
inline const MORBaseUnknown* TOVConvertStep(TOVConvertor* conv, const MORBaseUnknown* obj) {
  if (obj == nullptr || conv == nullptr)
    return obj;
  conv->Set(obj);
  return conv->GetConverted();
}

#endif
