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

/// A fresh empty directory under the system's temporary directory (TMPDIR, else /tmp).
/// It is removed with everything in it when the test that made it ends, passed or failed
/// (or when the program ends, for one made outside a test).
std::string MakeTempDir();

/// A fresh empty temporary directory, removed with everything in it when the guard goes.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return _Path; }
  /// The path of name inside the directory.
  std::string operator/(const std::string& name) const { return _Path + "/" + name; }

private:
  std::string _Path;
};

/// Registers, once per test program, an environment that makes the one global object
/// cleaner before the tests and deletes it after them, so that the library's shared
/// strategies and fatal report live as long as the program. Gives true; a test folder
/// calls it from a namespace-scope initialiser.
bool UseGlobalCleaner();

/// Removes path and everything below it, making directories writable first; gives
/// whether nothing is left.
bool RemoveTree(const std::string& path);

/// The whole content of a file, or "" when it cannot be read.
std::string ReadFile(const std::string& path);

/// Writes text to path, replacing it.
void WriteFile(const std::string& path, const std::string& text);

} // namespace tovtest

/// Checks that statement stops the process with the fatal report of message.
#define EXPECT_FATAL(statement, message) EXPECT_DEATH(statement, ::tovtest::FatalText(message))

#endif
