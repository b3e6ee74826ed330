// Running a program of the project as a separate process, as a user would from a shell.
#ifndef TOVTOOLPROCESS_H
#define TOVTOOLPROCESS_H

#include <string>

namespace tovtest {

/// What a process wrote on each stream and its exit status (-1 when it did not exit).
struct ToolRun {
  std::string out, err;
  int status = -1;
};

/// Runs the shell command line and collects both standard streams and the exit status.
ToolRun RunTool(const std::string& commandLine);

} // namespace tovtest

#endif
