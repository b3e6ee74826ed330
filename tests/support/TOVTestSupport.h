// Helpers shared by the unit tests.
#ifndef TOVTESTSUPPORT_H
#define TOVTESTSUPPORT_H

#include <gtest/gtest.h>
#include <string>

namespace tovtest {

/// The message escaped for a death-test regular expression.
std::string EscapeRegex(const std::string& text);

/// A regular expression matching exactly the fatal internal error report of message
/// (any source file and line).
std::string FatalText(const std::string& message);

/// A fresh empty directory under the system's temporary directory.
std::string MakeTempDir();

/// The whole content of a file, or "" when it cannot be read.
std::string ReadFile(const std::string& path);

/// Writes text to path, replacing it.
void WriteFile(const std::string& path, const std::string& text);

} // namespace tovtest

/// Checks that statement stops the process with the fatal report of message. The statement
/// never returns, so a status it would give is not looked at.
#define EXPECT_FATAL(statement, message)                                                           \
  {                                                                                                \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wunused-result\"")           \
        EXPECT_DEATH(statement, ::tovtest::FatalText(message));                                    \
    _Pragma("GCC diagnostic pop")                                                                  \
  }

#endif
