// sys_error: system call failures (errno) as messages of catalog "TOVSYS".
#include "TOVCBErrorProcessing.h"
#include "TOVCBReport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

using tovcb::Action;
using tovcb::AnyError;
using tovcb::Case;

namespace {

const char Catalog[] = "TOVSYS";

// Classification shared by the file and directory operations; the path is param1.
const Case FileCases[] = {
    {ENOENT, Action::Pair, "NOENT_FILE", "NOENTA", false, "NOENT_DIR", nullptr},
    {EINTR, Action::DiagOnly, "INTR", nullptr, false, nullptr, nullptr},
    {EIO, Action::Pair, "IO", "IOA", true, nullptr, nullptr},
    {EBADF, Action::FatalPath, "Bad file descriptor (\"%s\").\n", nullptr, false, nullptr, nullptr},
    {EACCES, Action::Pair, "ACCESS_FILE", "ACCESS_WINA", false, "ACCESS_DIR", nullptr},
    {EFAULT, Action::FatalPath, "Wrong buffer address (\"%s\").\n", nullptr, false, nullptr,
     nullptr},
    {EEXIST, Action::Pair, "EXIST_FILE", "EXISTA", false, "EXIST_DIR", nullptr},
    {ENOTDIR, Action::Pair, "NOTDIR", "NOTDIRA", false, nullptr, nullptr},
    {EISDIR, Action::Pair, "ISDIR", "ISDIRA", false, nullptr, nullptr},
    {EINVAL, Action::FatalPath, "Not a regular file (\"%s\") or invalid parameter.\n", nullptr,
     false, nullptr, nullptr},
    {ENFILE, Action::FatalPath, "Two many open files in the system (\"%s\").\n", nullptr, false,
     nullptr, nullptr},
    {EMFILE, Action::FatalPath, "Two many open files for one process (\"%s\").\n", nullptr, false,
     nullptr, nullptr},
    {EFBIG, Action::Pair, "FBIG", "FBIGA", true, nullptr, nullptr},
    {ENOSPC, Action::Pair, "NOSPC", "NOSPCA", true, nullptr, nullptr},
    {EROFS, Action::Pair, "ROFS", "ROFSA", false, nullptr, nullptr},
    {ENAMETOOLONG, Action::Pair, "NAMETOOLONG", "NAMETOOLONG_FILEA", false, nullptr,
     "NAMETOOLONG_DIRA"},
    {AnyError, Action::Other, nullptr, nullptr, false, nullptr, nullptr}};

#define TOV_NOMEM TOV_CASE(ENOMEM, Action::NoMem, nullptr, nullptr)
#define TOV_NODIAG TOV_CASE(AnyError, Action::NoDiag, nullptr, nullptr)

const Case OtherCases[] = {TOV_OTHER};
const Case ForkCases[] = {TOV_CASE(EAGAIN, Action::Pair, "FORK_AGAIN", "FORK_AGAINA"), TOV_NOMEM,
                          TOV_OTHER};
const Case FtokCases[] = {TOV_CASE(AnyError, Action::Pair, "FTOK", "FTOKA")};
const Case GetcwdCases[] = {TOV_NOMEM, TOV_CASE(EACCES, Action::Pair, "GETCWD", "GETCWDA"),
                            TOV_FATAL(ERANGE, "getcwd buffer too small\n"), TOV_OTHER};
const Case RenameCases[] = {
    TOV_CASE(ENOENT, Action::Pair, "RENAME_NOENT", "RENAME_NOENTA"),
    TOV_CASE(EACCES, Action::Pair, "RENAME_ACCESS", "RENAME_ACCESS_WINA"),
    TOV_CASE(ENOTDIR, Action::Pair, "RENAME_ISDIR", "RENAME_ISDIRA"),
    TOV_CASE(EISDIR, Action::Pair, "RENAME_ISDIR", "RENAME_ISDIRA"),
    TOV_CASE(EINVAL, Action::FatalRename, "Unable to rename \"%s\" to \"%s\" (%d)\n", nullptr),
    TOV_CASE(ENOSPC, Action::Pair, "RENAME_NOSPC", "RENAME_NOSPCA"),
    TOV_OTHER};
const char SemctlText[] = "Invalid \"semctl\" argument (%d).\n";
const Case SemctlCases[] = {TOV_FATAL(EPERM, SemctlText),
                            TOV_FATAL(EACCES, SemctlText),
                            TOV_FATAL(EFAULT, SemctlText),
                            TOV_FATAL(EINVAL, SemctlText),
                            TOV_FATAL(ERANGE, SemctlText),
                            TOV_NOMEM,
                            TOV_NODIAG};
const char SemgetText[] = "Unexpected error (%d)\n";
const Case SemgetCases[] = {TOV_FATAL(ENOENT, SemgetText),
                            TOV_FATAL(EEXIST, SemgetText),
                            TOV_FATAL(EINVAL, SemgetText),
                            TOV_NOMEM,
                            TOV_CASE(EACCES, Action::Pair, "SEMGET_ACCES", "SEMGET_ACCESA"),
                            TOV_CASE(ENOSPC, Action::Pair, "SEMGET_NOSPC", "SEMGET_NOSPCA"),
                            TOV_OTHER};
const char SemopText[] = "Invalid \"semop\" argument (%d).\n";
const Case SemopCases[] = {TOV_FATAL(EFAULT, SemopText),
                           TOV_FATAL(EINVAL, SemopText),
                           TOV_FATAL(EFBIG, SemopText),
                           TOV_FATAL(ERANGE, SemopText),
                           TOV_NOMEM,
                           TOV_OTHER};
const char ShmatText[] = "Invalid \"shmat\" argument (%d).\n";
const Case ShmatCases[] = {TOV_FATAL(EINVAL, ShmatText), TOV_FATAL(EMFILE, ShmatText), TOV_NOMEM,
                           TOV_CASE(EACCES, Action::Pair, "SHM", "SHMA"), TOV_OTHER};
const char ShmctlText[] = "Invalid \"shmctl\" argument (%d).\n";
const Case ShmctlCases[] = {TOV_FATAL(EPERM, ShmctlText),
                            TOV_FATAL(EACCES, ShmctlText),
                            TOV_FATAL(EFAULT, ShmctlText),
                            TOV_FATAL(EINVAL, ShmctlText),
                            TOV_FATAL(ERANGE, ShmctlText),
                            TOV_NOMEM,
                            TOV_NODIAG};
const Case ShmdtCases[] = {TOV_FATAL(EINVAL, "Invalid \"shmdt\" argument (%d).\n"), TOV_OTHER};
const char ShmgetText[] = "Unexpected \"shmget\" error (%d)\n";
const Case ShmgetCases[] = {TOV_FATAL(ENOENT, ShmgetText),
                            TOV_FATAL(EEXIST, ShmgetText),
                            TOV_FATAL(EINVAL, ShmgetText),
                            TOV_NOMEM,
                            TOV_CASE(EACCES, Action::Pair, "SHM", "SHMA"),
                            TOV_OTHER};

/// Which rule applies to the path of a file or directory operation.
enum class Kind { Plain, File, Dir };

/// An operation: its request and parameter count, the record type it starts from, and the
/// classification of errno.
struct Operation {
  const char* request;
  int nbParams;
  int recordType;
  Kind kind;
  const Case* cases;
};

constexpr int Critical = ERR_RECORD_CRITICAL;
constexpr int Fatal = ERR_RECORD_FATAL;

const Operation Operations[] = {
    {"ALLOC", 1, Fatal, Kind::Plain, OtherCases},          // 0
    {"CHMOD", 1, Critical, Kind::File, FileCases},         // 1
    {"CLOSE", 1, Critical, Kind::File, FileCases},         // 2
    {"CREAT", 1, Critical, Kind::File, FileCases},         // 3
    {"FORK", 0, Critical, Kind::Plain, ForkCases},         // 4
    {"FSYNC", 1, Critical, Kind::File, FileCases},         // 5
    {"FTOKC", 1, Critical, Kind::Plain, FtokCases},        // 6
    {"GETCWDC", 0, Critical, Kind::Plain, GetcwdCases},    // 7
    {"MKDIR", 1, Critical, Kind::Dir, FileCases},          // 8
    {"OPEN", 1, Critical, Kind::File, FileCases},          // 9
    {"OPENDIR", 1, Critical, Kind::Dir, FileCases},        // 10
    {"READ", 1, Critical, Kind::File, FileCases},          // 11
    {"REMOVE", 1, Critical, Kind::File, FileCases},        // 12
    {"RENAME", 2, Critical, Kind::Plain, RenameCases},     // 13
    {"RMDIR", 1, Critical, Kind::Dir, FileCases},          // 14
    {"SEEK", 1, Critical, Kind::File, FileCases},          // 15
    {"SEMCTL", 0, Fatal, Kind::Plain, SemctlCases},        // 16
    {"SEMGET", 0, Fatal, Kind::Plain, SemgetCases},        // 17
    {"SEMOPC", 0, Fatal, Kind::Plain, SemopCases},         // 18
    {"SHMAT", 0, Fatal, Kind::Plain, ShmatCases},          // 19
    {"SHMCTL_DELETE", 0, Fatal, Kind::Plain, ShmctlCases}, // 20
    {"SHMDT", 0, Fatal, Kind::Plain, ShmdtCases},          // 21
    {"SHMGET", 0, Fatal, Kind::Plain, ShmgetCases},        // 22
    {"SHMCTL_STAT", 0, Fatal, Kind::Plain, ShmctlCases},   // 23
    {"STAT", 1, Critical, Kind::File, FileCases},          // 24
    {"STATVFS", 1, Critical, Kind::File, FileCases},       // 25
    {"TRUNC", 1, Critical, Kind::File, FileCases},         // 26
    {"UNAME", 0, Critical, Kind::Plain, OtherCases},       // 27
    {"CHMOD", 1, Critical, Kind::File, FileCases},         // 28
    {"WRITE", 1, Critical, Kind::File, FileCases},         // 29
};
constexpr int LastOperation = SYS_OP_WRITE;
static_assert(sizeof Operations / sizeof Operations[0] == LastOperation + 1);

/// The text of strerror_r, whichever form the runtime library gives.
[[maybe_unused]] const char* ErrorText(int result, const char* buffer) {
  return result == 0 ? buffer : "Unknown error";
}
[[maybe_unused]] const char* ErrorText(const char* result, const char*) {
  return result;
}

void EmitRequest(const Operation& operation, const char* param1, const char* param2) {
  if (operation.nbParams == 0)
    tovcb::Message(Catalog, ERR_MSG_REQUEST, operation.request);
  else if (operation.nbParams == 1)
    tovcb::Message(Catalog, ERR_MSG_REQUEST, operation.request, {param1});
  else
    tovcb::Message(Catalog, ERR_MSG_REQUEST, operation.request, {param1, param2});
}

} // namespace

extern "C" {

int sys_error(const char* file, int line, int operation, const char* param1, const char* param2) {
  const int error = errno;
  trc_print("sys_error", "sys_error \"%s\" %d: oper %d error %d\n", file, line, operation, error);
  tovcb::CheckRange(file, line, operation, LastOperation, "Unexpected operation identifier (%d)\n");
  const Operation& op = Operations[operation];
  int recordType = op.recordType;
  if (operation == SYS_OP_ALLOC && error == ENOMEM) {
    // Making messages needs memory: say it in a plain line instead.
    fprintf(stderr, "Not enough memory to allocate %s bytes\n", param1 != nullptr ? param1 : "");
    fflush(stderr);
    return err_msg_record(file, line, recordType);
  }
  EmitRequest(op, param1, param2);
  const Case& found = tovcb::FindCase(op.cases, error);
  if (found.fatalRecord)
    recordType = ERR_RECORD_FATAL;
  const bool dir = op.kind == Kind::Dir;
  const char* path = param1 != nullptr ? param1 : "";
  switch (found.action) {
  case Action::Pair:
  case Action::PairParam:
    tovcb::Message(Catalog, ERR_MSG_DIAGNOSTIC,
                   dir && found.dirDiag != nullptr ? found.dirDiag : found.diag);
    tovcb::Message(Catalog, ERR_MSG_ADVICE,
                   dir && found.dirAdvice != nullptr ? found.dirAdvice : found.advice);
    break;
  case Action::DiagOnly:
    tovcb::Message(Catalog, ERR_MSG_DIAGNOSTIC, found.diag);
    break;
  case Action::FatalCode:
    err_prog(file, line, found.diag, error);
  case Action::FatalPath:
    err_prog(file, line, found.diag, path);
  case Action::FatalRename:
    err_prog(file, line, found.diag, path, param2 != nullptr ? param2 : "", error);
  case Action::NoMem:
    tovcb::Message(Catalog, ERR_MSG_DIAGNOSTIC, "NOMEM");
    tovcb::Message(Catalog, ERR_MSG_ADVICE, "NOMEMA");
    break;
  case Action::NoDiag:
    break;
  case Action::Other: {
    char buffer[256];
    char text[256];
    snprintf(text, sizeof text, "%s", ErrorText(strerror_r(error, buffer, sizeof buffer), buffer));
    tovcb::Message(Catalog, ERR_MSG_DIAGNOSTIC, "UNEXPECTED", {text});
    break;
  }
  }
  return err_msg_record(file, line, recordType);
}

int sys_error_code(void) {
  return errno;
}

} // extern "C"
