// A mapped code with a name and a short name for users.
#ifndef TOVMAPPEDCODEWITHNAMES_H
#define TOVMAPPEDCODEWITHNAMES_H

#include "TOVMappedCodeWithName.h"

class TOVBASIC_API TOVMappedCodeWithNames : public TOVMappedCodeWithName {
  TOV_DECLARE_CLASS(TOVMappedCodeWithNames)

public:
  /// An empty code without name builders.
  TOVMappedCodeWithNames();
  /// Copies code (null: empty) and shares both builders.
  TOVMappedCodeWithNames(const char* code, const TOVNLSMsgBldrRfHndlr& nameBldr,
                         const TOVNLSMsgBldrRfHndlr& shortNameBldr);
  ~TOVMappedCodeWithNames() override;

  /// Shares shortNameBldr in place of the current short-name builder.
  virtual void SetHShortNameBldr(const TOVNLSMsgBldrRfHndlr& shortNameBldr);
  /// The short-name builder; empty when none was given.
  virtual const TOVNLSMsgBldrRfHndlr& GetHShortNameBldr() const;

private:
  TOVNLSMsgBldrRfHndlr _HShortNameBldr;
};

#endif
