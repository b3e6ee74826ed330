#include "PlainTestSupport.h"
#include "TOVError.h"
#include "TOVParamNLSMsgBldrCtlg.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace plaintest {

tovtest::ToolRun RunScenario(const char* scenario, const char* variable, const char* value) {
  const std::string setting =
      value != nullptr ? std::string(variable) + "=" + value : std::string("-u ") + variable;
  return tovtest::RunTool("env " + setting + " " PLAIN_CHILD " " + scenario);
}

ChildRun RunInChild(const std::function<void()>& body) {
  const std::string dir = tovtest::MakeTempDir();
  const std::string outPath = dir + "/out";
  const std::string errPath = dir + "/err";
  fflush(stdout);
  fflush(stderr);
  const pid_t pid = fork();
  if (pid == 0) {
    // The descriptors themselves, so that every writer (stdio, the library's streams) is
    // collected.
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
      _exit(99);
    body();
    fflush(stdout);
    fflush(stderr);
    _exit(0);
  }
  ChildRun run;
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid)
    return run;
  run.out = tovtest::ReadFile(outPath);
  run.err = tovtest::ReadFile(errPath);
  if (WIFEXITED(status))
    run.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status))
    run.signal = WTERMSIG(status);
  return run;
}

namespace {

std::string Describe(const TOVNLSMsgBldrRfHndlr& builder) {
  if (builder.Get() == nullptr)
    return "-";
  if (!builder->IsAKindOf("TOVParamNLSMsgBldrCtlg"))
    return "?";
  auto* message = static_cast<TOVParamNLSMsgBldrCtlg*>(builder.Get());
  std::string text = message->GetMsgId();
  for (int i = 0; i < message->GetNbParameters(); ++i)
    text += (i == 0 ? "(" : ",") + tovtest::Utf8(message->GetParameter(i));
  return message->GetNbParameters() > 0 ? text + ")" : text;
}

} // namespace

std::string TakeReport() {
  MORError* error = MORGetLastError(E_FAIL, nullptr);
  MORCleanLastError();
  if (error == nullptr)
    return "none";
  std::string summary = "not a TOVError";
  if (error->IsAKindOf("TOVError")) {
    auto* e = static_cast<TOVError*>(error);
    summary = std::to_string(e->GetType()) + " " + Describe(e->GetHRequestBldr()) + "|" +
              Describe(e->GetHDiagnosticBldr()) + "|" + Describe(e->GetHAdviceBldr());
  }
  error->Release();
  return summary;
}

void WithoutDescriptors(void (*call)()) {
  struct rlimit saved;
  getrlimit(RLIMIT_NOFILE, &saved);
  struct rlimit none = {3, saved.rlim_max};
  setrlimit(RLIMIT_NOFILE, &none);
  call();
  const int error = errno;
  setrlimit(RLIMIT_NOFILE, &saved);
  errno = error;
}

std::string Report(const Row& row, void (*translate)(int operation)) {
  errno = row.error;
  if (row.provoke != nullptr)
    row.provoke();
  translate(row.operation);
  return TakeReport();
}

std::string Ending(const Row& row, void (*translate)(int operation)) {
  ChildRun run = RunInChild([&] { Report(row, translate); });
  return run.signal == SIGABRT ? run.err : "exit " + std::to_string(run.exitCode) + ": " + run.err;
}

} // namespace plaintest
