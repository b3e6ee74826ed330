// Error displays on the terminal.
#ifndef TOVERRORDISPLAYTOTERM_H
#define TOVERRORDISPLAYTOTERM_H

#include "TOVErrorDisplay.h"
#include "TOVOFStream.h"

/// Lays an error out as text: the request, a header line by type with the diagnostic,
/// the advice, and an empty line. Critical and fatal errors go to the standard error
/// stream, the others to the standard output stream.
class TOVBASIC_API TOVErrorDisplayToTerm : public TOVErrorDisplay {
  TOV_DECLARE_CLASS(TOVErrorDisplayToTerm)
public:
  TOVErrorDisplayToTerm() = default;
  ~TOVErrorDisplayToTerm() override;

  /// The text of error as the terminal displays show it.
  static MORUnicodeString MakeMsgTxt(MORError& error);
  /// The stream that shows errors of error's type.
  static TOVOFStream& GetStreamFor(MORError& error);

protected:
  /// Sets text to the layout of error.
  virtual void BuildMsgTxt(MORError& error, MORUnicodeString& text);
};

#endif
