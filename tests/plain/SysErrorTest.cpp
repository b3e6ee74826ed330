#include "PlainTestSupport.h"
#include "TOVCBErrorProcessing.h"
#include "TOVCBMemory.h"
#include "TOVError.h"
#include "TOVTestSupport.h"

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/ipc.h>
#include <sys/resource.h>
#include <sys/sem.h>
#include <sys/shm.h>
#include <sys/stat.h>
#include <unistd.h>

using plaintest::RunInChild;
using plaintest::TakeReport;

namespace {

class SysError : public ::testing::Test {
protected:
  void SetUp() override {
    ErrorProcessingStart();
    dir = plaintest::TempDir();
    file = dir + "/file";
    tovtest::WriteFile(file, "data");
  }
  void TearDown() override { MORCleanLastError(); }

  /// The report of operation for the errno that the failing call left.
  static std::string Report(int operation, const std::string& p1, const char* p2 = nullptr) {
    sys_error("caller.c", 5, operation, p1.c_str(), p2);
    return TakeReport();
  }

  std::string dir, file;
};

/// A row that ends the process: the operation, errno and the line expected on stderr (the
/// fatal internal error) or the exit status 127 with the display of the fatal error.
struct EndingRow {
  int operation;
  int error;
  const char* expected;
};

/// Runs sys_error for row in a child; gives a description of how the child ended.
std::string EndWith(const EndingRow& row, const char* p1 = "p1", const char* p2 = "p2") {
  plaintest::ChildRun run = RunInChild([&] {
    ErrorProcessingStart();
    errno = row.error;
    sys_error("caller.c", 77, row.operation, p1, p2);
  });
  if (run.signal == SIGABRT)
    return run.err;
  return "exit " + std::to_string(run.exitCode) + ": " + run.err;
}

const char FatalHead[] = "#ERR# Fatal internal error at caller.c:77: ";

} // namespace

TEST_F(SysError, FileAndDirectoryFailuresProvokedForReal) {
  const std::string missing = dir + "/missing";
  EXPECT_LT(open(missing.c_str(), O_RDONLY), 0);
  EXPECT_EQ(Report(SYS_OP_OPEN, missing), "1 OPEN(" + missing + ")|NOENT_FILE|NOENTA");
  EXPECT_EQ(opendir(missing.c_str()), nullptr);
  EXPECT_EQ(Report(SYS_OP_OPENDIR, missing), "1 OPENDIR(" + missing + ")|NOENT_DIR|NOENTA");
  EXPECT_NE(mkdir(dir.c_str(), 0700), 0);
  EXPECT_EQ(Report(SYS_OP_MKDIR, dir), "1 MKDIR(" + dir + ")|EXIST_DIR|EXISTA");
  EXPECT_LT(open(file.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600), 0);
  EXPECT_EQ(Report(SYS_OP_CREAT, file), "1 CREAT(" + file + ")|EXIST_FILE|EXISTA");
  EXPECT_LT(open(dir.c_str(), O_WRONLY), 0);
  EXPECT_EQ(Report(SYS_OP_OPEN, dir), "1 OPEN(" + dir + ")|ISDIR|ISDIRA");
  struct stat info;
  EXPECT_NE(stat((file + "/x").c_str(), &info), 0);
  EXPECT_EQ(Report(SYS_OP_STAT, "f"), "1 STAT(f)|NOTDIR|NOTDIRA");
  const std::string tooLong = dir + "/" + std::string(300, 'n');
  EXPECT_LT(open(tooLong.c_str(), O_RDONLY), 0);
  EXPECT_EQ(Report(SYS_OP_READ, "f"), "1 READ(f)|NAMETOOLONG|NAMETOOLONG_FILEA");
  EXPECT_NE(rmdir(tooLong.c_str()), 0);
  EXPECT_EQ(Report(SYS_OP_RMDIR, "d"), "1 RMDIR(d)|NAMETOOLONG|NAMETOOLONG_DIRA");
  EXPECT_EQ(mkdir((dir + "/sub").c_str(), 0700), 0);
  EXPECT_NE(rmdir(dir.c_str()), 0);
  EXPECT_EQ(Report(SYS_OP_RMDIR, "d"), "1 RMDIR(d)|UNEXPECTED(Directory not empty)|-");
  EXPECT_EQ(ftok(missing.c_str(), 1), -1);
  EXPECT_EQ(Report(SYS_OP_FTOK, "k"), "1 FTOKC(k)|FTOK|FTOKA");
  // Rename: a missing source, a directory over a file and a file over a directory.
  EXPECT_NE(rename(missing.c_str(), file.c_str()), 0);
  EXPECT_EQ(Report(SYS_OP_RENAME, "a", "b"), "1 RENAME(a,b)|RENAME_NOENT|RENAME_NOENTA");
  EXPECT_NE(rename((dir + "/sub").c_str(), file.c_str()), 0);
  EXPECT_EQ(Report(SYS_OP_RENAME, "a", "b"), "1 RENAME(a,b)|RENAME_ISDIR|RENAME_ISDIRA");
  EXPECT_NE(rename(file.c_str(), (dir + "/sub").c_str()), 0);
  EXPECT_EQ(Report(SYS_OP_RENAME, "a", "b"), "1 RENAME(a,b)|RENAME_ISDIR|RENAME_ISDIRA");
}

TEST_F(SysError, RowsThatCannotBeProvokedHereAreInjected) {
  struct Row {
    int operation;
    int error;
    const char* expected;
  } const rows[] = {
      // The file and directory rule (the tests run as root, who is never refused access).
      {SYS_OP_CHMOD, EACCES, "1 CHMOD(p)|ACCESS_FILE|ACCESS_WINA"},
      {SYS_OP_CHMOD2, EACCES, "1 CHMOD(p)|ACCESS_FILE|ACCESS_WINA"},
      {SYS_OP_OPENDIR, EACCES, "1 OPENDIR(p)|ACCESS_DIR|ACCESS_WINA"},
      {SYS_OP_WRITE, EROFS, "1 WRITE(p)|ROFS|ROFSA"},
      {SYS_OP_FSYNC, EINTR, "1 FSYNC(p)|INTR|-"},
      {SYS_OP_TRUNC, EPERM, "1 TRUNC(p)|UNEXPECTED(Operation not permitted)|-"},
      {SYS_OP_CLOSE, ENOENT, "1 CLOSE(p)|NOENT_FILE|NOENTA"},
      {SYS_OP_REMOVE, EEXIST, "1 REMOVE(p)|EXIST_FILE|EXISTA"},
      {SYS_OP_SEEK, EISDIR, "1 SEEK(p)|ISDIR|ISDIRA"},
      {SYS_OP_STATVFS, ENOTDIR, "1 STATVFS(p)|NOTDIR|NOTDIRA"},
      // Operations of their own.
      {SYS_OP_FORK, EAGAIN, "1 FORK|FORK_AGAIN|FORK_AGAINA"},
      {SYS_OP_FORK, ENOMEM, "1 FORK|NOMEM|NOMEMA"},
      {SYS_OP_FORK, EPERM, "1 FORK|UNEXPECTED(Operation not permitted)|-"},
      {SYS_OP_GETCWD, EACCES, "1 GETCWDC|GETCWD|GETCWDA"},
      {SYS_OP_GETCWD, ENOMEM, "1 GETCWDC|NOMEM|NOMEMA"},
      {SYS_OP_GETCWD, ENOENT, "1 GETCWDC|UNEXPECTED(No such file or directory)|-"},
      {SYS_OP_RENAME, EACCES, "1 RENAME(p,q)|RENAME_ACCESS|RENAME_ACCESS_WINA"},
      {SYS_OP_RENAME, ENOSPC, "1 RENAME(p,q)|RENAME_NOSPC|RENAME_NOSPCA"},
      {SYS_OP_RENAME, EXDEV, "1 RENAME(p,q)|UNEXPECTED(Invalid cross-device link)|-"},
      {SYS_OP_UNAME, EFAULT, "1 UNAME|UNEXPECTED(Bad address)|-"},
  };
  for (const Row& row : rows) {
    errno = row.error;
    sys_error("caller.c", 5, row.operation, "p", "q");
    EXPECT_EQ(TakeReport(), row.expected) << row.operation << " " << row.error;
  }
}

TEST(SysErrorEnding, FatalInternalErrorsAndFatalRecordsEndTheProcess) {
  const std::string head = FatalHead;
  const EndingRow rows[] = {
      {SYS_OP_READ, EBADF, "Bad file descriptor (\"p1\").\n"},
      {SYS_OP_WRITE, EFAULT, "Wrong buffer address (\"p1\").\n"},
      {SYS_OP_SEEK, EINVAL, "Not a regular file (\"p1\") or invalid parameter.\n"},
      {SYS_OP_OPEN, ENFILE, "Two many open files in the system (\"p1\").\n"},
      {SYS_OP_MKDIR, EMFILE, "Two many open files for one process (\"p1\").\n"},
      {SYS_OP_GETCWD, ERANGE, "getcwd buffer too small\n"},
      {SYS_OP_RENAME, EINVAL, "Unable to rename \"p1\" to \"p2\" (22)\n"},
      {SYS_OP_SEMCTL, EPERM, "Invalid \"semctl\" argument (1).\n"},
      {SYS_OP_SEMGET, EEXIST, "Unexpected error (17)\n"},
      {SYS_OP_SEMOP, EFBIG, "Invalid \"semop\" argument (27).\n"},
      {SYS_OP_SHMAT, EMFILE, "Invalid \"shmat\" argument (24).\n"},
      {SYS_OP_SHMCTL_DELETE, EFAULT, "Invalid \"shmctl\" argument (14).\n"},
      {SYS_OP_SHMCTL_STAT, ERANGE, "Invalid \"shmctl\" argument (34).\n"},
      {SYS_OP_SHMDT, EINVAL, "Invalid \"shmdt\" argument (22).\n"},
      {SYS_OP_SHMGET, ENOENT, "Unexpected \"shmget\" error (2)\n"},
      {30, 0, "Unexpected operation identifier (30)\n"},
      {-1, 0, "Unexpected operation identifier (-1)\n"},
  };
  for (const EndingRow& row : rows)
    EXPECT_EQ(EndWith(row), head + row.expected + "\n") << row.operation;
  // Fatal records: shown (on stderr), then exit status 127.
  const EndingRow records[] = {
      {SYS_OP_WRITE, EIO, "1 IO"},
      {SYS_OP_WRITE, EFBIG, "1 FBIG"},
      {SYS_OP_MKDIR, ENOSPC, "1 NOSPC"},
      {SYS_OP_SEMCTL, ENOMEM, "0 NOMEM"},
      {SYS_OP_SEMCTL, EIDRM, "0 -"},
      {SYS_OP_SEMGET, EACCES, "0 SEMGET_ACCES"},
      {SYS_OP_SEMGET, ENOSPC, "0 SEMGET_NOSPC"},
      {SYS_OP_SEMOP, EAGAIN, "0 UNEXPECTED"},
      {SYS_OP_SHMAT, EACCES, "0 SHM"},
      {SYS_OP_SHMGET, EACCES, "0 SHM"},
      {SYS_OP_SHMDT, EPERM, "0 UNEXPECTED"},
      {SYS_OP_SHMCTL_STAT, EIDRM, "0 -"},
      {SYS_OP_ALLOC, EPERM, "1 UNEXPECTED"},
  };
  for (const EndingRow& row : records) {
    // "N KEY": N is 1 when the request names p1; KEY the diagnostic, "-" for none.
    const std::string key = row.expected + 2;
    const std::string ending = EndWith(row);
    EXPECT_EQ(ending.rfind("exit 127: ", 0), 0u) << ending;
    if (key == "-")
      EXPECT_NE(ending.find("#ERR# FATAL ERROR ... - ... IN caller.c AT LINE 77\n"),
                std::string::npos)
          << ending;
    else
      EXPECT_NE(ending.find("#ERR# FATAL ERROR TOVSYS - " + key + " IN caller.c AT LINE 77: "),
                std::string::npos)
          << ending;
    EXPECT_EQ(ending.find("p1") != std::string::npos, row.expected[0] == '1') << ending;
  }
  EXPECT_EQ(EndWith({SYS_OP_WRITE, EIO, nullptr}, "out.txt"),
            "exit 127: Writing \"out.txt\".\n#ERR# FATAL ERROR TOVSYS - IO IN caller.c AT LINE 77: "
            "An input/output error occurred.\nCheck the disk and the device.\n\n");
}

TEST(SysErrorEnding, RealFailuresThatEndTheProcess) {
  const std::string head = FatalHead;
  // Each body fails a call for real, then reports it.
  auto ending = [](const std::function<void()>& failingCall, int operation, const char* p1) {
    plaintest::ChildRun run = RunInChild([&] {
      ErrorProcessingStart();
      failingCall();
      sys_error("caller.c", 77, operation, p1, "p2");
    });
    return run.signal == SIGABRT ? run.err
                                 : "exit " + std::to_string(run.exitCode) + ": " + run.err;
  };
  const std::string dir = plaintest::TempDir();
  EXPECT_EQ(ending([] { close(-1); }, SYS_OP_CLOSE, "fd"),
            head + "Bad file descriptor (\"fd\").\n\n");
  EXPECT_EQ(ending([] { lseek(0, 0, 99); }, SYS_OP_SEEK, "in"),
            head + "Not a regular file (\"in\") or invalid parameter.\n\n");
  EXPECT_EQ(ending(
                [&] {
                  tovtest::WriteFile(dir + "/r", "data");
                  const int fd = open((dir + "/r").c_str(), O_RDONLY);
                  void* volatile badAddress = reinterpret_cast<void*>(8);
                  EXPECT_LT(read(fd, badAddress, 1), 0);
                },
                SYS_OP_READ, "r"),
            head + "Wrong buffer address (\"r\").\n\n");
  EXPECT_EQ(ending(
                [&] {
                  struct rlimit limit = {3, 3};
                  setrlimit(RLIMIT_NOFILE, &limit);
                  EXPECT_LT(open(dir.c_str(), O_RDONLY), 0);
                },
                SYS_OP_OPENDIR, "d"),
            head + "Two many open files for one process (\"d\").\n\n");
  EXPECT_EQ(ending(
                [] {
                  char buffer[1];
                  EXPECT_EQ(getcwd(buffer, sizeof buffer), nullptr);
                },
                SYS_OP_GETCWD, nullptr),
            head + "getcwd buffer too small\n\n");
  EXPECT_EQ(
      ending([&] { EXPECT_NE(rename(dir.c_str(), (dir + "/in").c_str()), 0); }, SYS_OP_RENAME, "d"),
      head + "Unable to rename \"d\" to \"p2\" (22)\n\n");
  EXPECT_EQ(ending([] { semget(0x7f00fe01, 1, 0); }, SYS_OP_SEMGET, nullptr),
            head + "Unexpected error (2)\n\n");
  EXPECT_EQ(ending([] { semctl(-1, 0, IPC_RMID); }, SYS_OP_SEMCTL, nullptr),
            head + "Invalid \"semctl\" argument (22).\n\n");
  EXPECT_EQ(ending(
                [] {
                  struct sembuf op = {0, 1, 0};
                  semop(-1, &op, 1);
                },
                SYS_OP_SEMOP, nullptr),
            head + "Invalid \"semop\" argument (22).\n\n");
  EXPECT_EQ(ending([] { shmget(IPC_PRIVATE, 0, IPC_CREAT | 0600); }, SYS_OP_SHMGET, nullptr),
            head + "Unexpected \"shmget\" error (22)\n\n");
  EXPECT_EQ(ending([] { shmat(-1, nullptr, 0); }, SYS_OP_SHMAT, nullptr),
            head + "Invalid \"shmat\" argument (22).\n\n");
  EXPECT_EQ(ending([] { shmdt(reinterpret_cast<void*>(0x1234)); }, SYS_OP_SHMDT, nullptr),
            head + "Invalid \"shmdt\" argument (22).\n\n");
  EXPECT_EQ(ending([] { shmctl(-1, IPC_RMID, nullptr); }, SYS_OP_SHMCTL_DELETE, nullptr),
            head + "Invalid \"shmctl\" argument (22).\n\n");
  // A file larger than the process may write: a fatal record.
  const std::string big = ending(
      [&] {
        signal(SIGXFSZ, SIG_IGN);
        // The limit must leave room for what the child writes on its own output.
        struct rlimit limit = {1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const int fd = open((dir + "/big").c_str(), O_CREAT | O_WRONLY, 0600);
        const std::string data(1000, 'd');
        EXPECT_EQ(write(fd, data.data(), data.size()), 1000);
        EXPECT_LT(write(fd, "more", 4), 0);
      },
      SYS_OP_WRITE, "big");
  EXPECT_EQ(big, "exit 127: Writing \"big\".\n#ERR# FATAL ERROR TOVSYS - FBIG IN caller.c AT LINE "
                 "77: The file is too large.\nMake the file smaller or split it.\n\n");
}

TEST(Memory, AllocatesAndRefusesEmptySizes) {
  char* memory = static_cast<char*>(mem_alloc(3));
  ASSERT_NE(memory, nullptr);
  memcpy(memory, "ab", 3);
  memory = static_cast<char*>(mem_realloc(memory, 100000));
  ASSERT_NE(memory, nullptr);
  EXPECT_STREQ(memory, "ab");
  mem_free(memory);
  mem_free(nullptr);
  for (auto call : {+[] { mem_alloc(0); }, +[] { mem_alloc(-5); },
                    +[] { mem_free(mem_realloc(mem_alloc(1), 0)); }}) {
    plaintest::ChildRun run = RunInChild(call);
    EXPECT_EQ(run.signal, SIGABRT);
    EXPECT_NE(run.err.find(": Null memory size\n"), std::string::npos) << run.err;
  }
}

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
TEST(Memory, ExhaustedMemoryIsReportedWithTheSizeThenEndsTheProcess) {
  for (bool started : {false, true}) {
    plaintest::ChildRun run = RunInChild([started] {
      err_start(nullptr);
      if (started)
        ErrorProcessingStart();
      struct rlimit limit = {1u << 30, 1u << 30};
      setrlimit(RLIMIT_AS, &limit);
      void* memory = mem_alloc(1 << 30);
      fprintf(stderr, "survived with %p", memory);
    });
    if (started) {
      // The message is made without memory: only the plain line, then the empty fatal error.
      EXPECT_EQ(run.exitCode, 127);
      EXPECT_EQ(run.err.rfind("Not enough memory to allocate 1073741824 bytes\n#ERR# FATAL ERROR "
                              "... - ... IN TOVBasic.m/src/plain/TOVCBMemory.cpp AT LINE ",
                              0),
                0u)
          << run.err;
    } else {
      EXPECT_EQ(run.exitCode, 0);
      EXPECT_EQ(run.err, "Not enough memory to allocate 1073741824 bytes\n"
                         "Unable to create the error message\nsurvived with (nil)");
    }
  }
}
#endif
