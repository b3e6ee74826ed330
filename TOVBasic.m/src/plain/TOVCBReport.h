// Shared pieces of the error translators of the plain-function layer (sys_error,
// sock_error, com_error): how an error number is classified and how a report is emitted.
#ifndef TOVCBREPORT_H
#define TOVCBREPORT_H

#include "TOVCBErrorProcessing.h"

#include <cstdarg>
#include <initializer_list>

namespace tovcb {

/// What a classified error number becomes.
enum class Action {
  Pair,        ///< diagnostic diag and advice advice, no parameters
  PairParam,   ///< as Pair, the diagnostic taking the caller's parameter
  DiagOnly,    ///< diagnostic diag only
  FatalCode,   ///< err_prog with text diag, "%d" receiving the error number
  FatalPath,   ///< err_prog with text diag, "%s" receiving the path
  FatalRename, ///< err_prog with text diag, receiving both names and the error number
  NoMem,       ///< the pair "NOMEM" / "NOMEMA"
  NoDiag,      ///< no diagnostic at all
  Other        ///< diagnostic "UNEXPECTED" with the text of the error
};

/// One row of a classification: the error number it matches (AnyError for every one) and
/// what it becomes. dirDiag and dirAdvice, when set, replace diag and advice for directory
/// operations; fatalRecord raises the record type to fatal.
struct Case {
  int error;
  Action action;
  const char* diag;
  const char* advice;
  bool fatalRecord;
  const char* dirDiag;
  const char* dirAdvice;
};

/// Matches every error number; ends each list of cases.
constexpr int AnyError = -1;

// Rows of the classification tables: a row without directory variants, a fatal error with
// its text, and the row that ends a list.
#define TOV_CASE(error, action, diag, advice)                                                      \
  { error, action, diag, advice, false, nullptr, nullptr }
#define TOV_FATAL(error, text) TOV_CASE(error, tovcb::Action::FatalCode, text, nullptr)
#define TOV_OTHER TOV_CASE(tovcb::AnyError, tovcb::Action::Other, nullptr, nullptr)

/// The first case of cases (ended by an AnyError case) that matches error.
const Case& FindCase(const Case* cases, int error);

/// Hands message key of catalog to the message handler with the parameters given (a null
/// one is passed as an empty text).
int Message(const char* catalog, int type, const char* key,
            std::initializer_list<const char*> params = {});

/// Writes the line "#ERR# KIND at FILE:LINE: TEXT" to stderr, cut to the 1024-byte line
/// buffer, and flushes both standard streams.
void WriteLine(const char* kind, const char* file, int line, const char* format, va_list args);

/// Traces with component, then stops at file and line with "Unexpected operation
/// identifier (%d)\n" (or text) when value is negative or above last.
void CheckRange(const char* file, int line, int value, int last, const char* text);

} // namespace tovcb

#endif
