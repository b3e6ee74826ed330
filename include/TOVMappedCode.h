// A short fixed text code standing for a value known to the tool.
#ifndef TOVMAPPEDCODE_H
#define TOVMAPPEDCODE_H

#include "TOVString.h"

/// Mapped codes are shared, long-lived objects: one code object is one value (a family
/// of objects, for instance, is one mapped-code object).
class TOVBASIC_API TOVMappedCode : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVMappedCode)

public:
  /// An empty code.
  TOVMappedCode();
  /// Copies code (null: empty).
  explicit TOVMappedCode(const char* code);
  ~TOVMappedCode() override;

  /// Copies the text (null: empty).
  virtual void SetCode(const char* code);
  virtual const TOVString& GetCode() const;

private:
  TOVString _Code;
};

#endif
