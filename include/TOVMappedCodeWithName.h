// A mapped code with a name for users, given by a message builder.
#ifndef TOVMAPPEDCODEWITHNAME_H
#define TOVMAPPEDCODEWITHNAME_H

#include "TOVMappedCode.h"
#include "TOVNLSMsgBldrRfHndlr.h"

/// The name builder gives the code's name in the user's language; it is shared, not copied.
class TOVBASIC_API TOVMappedCodeWithName : public TOVMappedCode {
  TOV_DECLARE_CLASS(TOVMappedCodeWithName)

public:
  /// An empty code without name builder.
  TOVMappedCodeWithName();
  /// Copies code (null: empty) and shares nameBldr.
  TOVMappedCodeWithName(const char* code, const TOVNLSMsgBldrRfHndlr& nameBldr);
  ~TOVMappedCodeWithName() override;

  /// Shares nameBldr in place of the current name builder.
  virtual void SetHNameBldr(const TOVNLSMsgBldrRfHndlr& nameBldr);
  /// The name builder; empty when none was given.
  virtual const TOVNLSMsgBldrRfHndlr& GetHNameBldr() const;

private:
  TOVNLSMsgBldrRfHndlr _HNameBldr;
};

#endif
