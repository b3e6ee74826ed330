// Message displays on the standard output stream.
#ifndef TOVMESSAGEDISPLAYTOTERM_H
#define TOVMESSAGEDISPLAYTOTERM_H

#include "TOVMessageDisplay.h"
#include "TOVOFStream.h"

/// Root of the terminal message displays: they write to TOVStdout and never meet an
/// error of their own.
class TOVBASIC_API TOVMessageDisplayToTerm : public TOVMessageDisplay {
  TOV_DECLARE_CLASS(TOVMessageDisplayToTerm)
public:
  TOVMessageDisplayToTerm() = default;
  ~TOVMessageDisplayToTerm() override;

protected:
  /// Writes size bytes of text to TOVStdout, then an end of line when iNewLine is set,
  /// and flushes.
  static void Write(const char* text, size_t size, unsigned int iNewLine);
};

#endif
