#include "TOVToolProcess.h"
#include "TOVTestSupport.h"

#include <cstdlib>
#include <sys/wait.h>

namespace tovtest {

ToolRun RunTool(const std::string& commandLine) {
  const TempDir dir;
  const std::string command = commandLine + " >" + (dir / "out") + " 2>" + (dir / "err");
  const int status = std::system(command.c_str());
  ToolRun run;
  run.out = ReadFile(dir / "out");
  run.err = ReadFile(dir / "err");
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

} // namespace tovtest
