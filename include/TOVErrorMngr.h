// Shows recoverable errors and remembers the most severe one of the run.
#ifndef TOVERRORMNGR_H
#define TOVERRORMNGR_H

#include "MORError.h"
#include "TOVMacro.h"

/// Displays errors through the global error display and keeps the most severe one as the
/// main error, from which ReturnSuccessOrError makes the final status. Severity, most
/// severe first: fatal, critical, warning, information; any other type ranks above
/// critical.
class TOVBASIC_API TOVErrorMngr : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVErrorMngr)
public:
  TOVErrorMngr();
  ~TOVErrorMngr() override;

  TOVErrorMngr(const TOVErrorMngr&) = delete;
  TOVErrorMngr& operator=(const TOVErrorMngr&) = delete;

  /// Displays error; it becomes the main error when iCompare is 0 or when it is more
  /// severe than the main error. Forgets the pending error.
  virtual void DisplayAndKeepError(MORError& error, unsigned int iCompare);
  /// As above with the pending error of rc (or one made for rc); rc 0 only forgets the
  /// pending error.
  virtual void DisplayAndKeepError(long rc, unsigned int iCompare);
  /// Displays error and forgets the pending error; the main error stays.
  virtual void DisplayAndForgetError(MORError& error);
  /// As above with the pending error of rc (or one made for rc); rc 0 only forgets.
  virtual void DisplayAndForgetError(long rc);
  /// 0 without main error; else the main error becomes pending again and its return code
  /// is given.
  [[nodiscard]] virtual long ReturnSuccessOrError() const;
  /// Replaces the main error (a reference is taken); gives 0.
  virtual long SetMainError(MORError* error);
  /// Sets error to the main error with a new reference (null when none); gives 0.
  virtual long GetMainError(MORError*& error) const;
  /// The main error's return code, 0 without main error.
  virtual long GetMainErrorReturnCode() const;

protected:
  virtual void DisplayAndChangeMainError(MORError& error, unsigned int iCompare);

private:
  MORError* _pMainError;
};

#endif
