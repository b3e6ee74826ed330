// The fatal internal error report: the library's answer to a broken precondition.
#ifndef TOVFATALINTERNALERROR_H
#define TOVFATALINTERNALERROR_H

#include "TOVExport.h"
#include "TOVOFStream.h"

/// Breaks into an attached debugger, then aborts the process. Never returns.
extern "C" [[noreturn]] TOVBASIC_API void TOVExit(int code);

/// Writes the report's head ("#ERR# Fatal internal error: '") on construction; the
/// message parts go to Stream(); Finish() writes the tail, lets the global fatal-error
/// display act and stops the process.
class TOVBASIC_API TOVFatalReport {
public:
  TOVFatalReport(const char* file, int line);
  TOVOFStream& Stream() { return *_pStream; }
  [[noreturn]] void Finish();

private:
  TOVOFStream* _pStream;
  const char* _File;
  int _Line;
};

/// Reports the message made of parts (texts, numbers, characters) with the raising
/// source file and line, then stops the process.
template <class... Parts>
[[noreturn]] void TOVFatalInternalErrorAt(const char* file, int line, const Parts&... parts) {
  TOVFatalReport report(file, line);
  (report.Stream() << ... << parts);
  report.Finish();
}

/// Raises a fatal internal error at the current source line.
#define TOVFatalInternalError(...) TOVFatalInternalErrorAt(__FILE__, __LINE__, __VA_ARGS__)

#endif
