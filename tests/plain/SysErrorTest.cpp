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

namespace {

using plaintest::Row;

// The report of sys_error("caller.c", 77, operation, "p", "q"). Tests run in a scratch
// directory holding "file" and "dir/sub".
void Translate(int operation) {
  sys_error("caller.c", 77, operation, "p", "q");
}

class SysError : public plaintest::Started {
protected:
  void SetUp() override {
    Started::SetUp();
    ASSERT_EQ(chdir(tovtest::MakeTempDir().c_str()), 0);
    tovtest::WriteFile("file", "data");
    ASSERT_EQ(mkdir("dir", 0700), 0);
    ASSERT_EQ(mkdir("dir/sub", 0700), 0);
  }
};

using SysErrorDeathTest = SysError;

const std::string Fatal = "#ERR# Fatal internal error at caller.c:77: ";
const std::string Long(300, 'n');
char Buffer[1];
// Addresses the compiler cannot see through: the calls fail at run time only.
char* volatile ShortBuffer = Buffer;
char* volatile BadAddress = reinterpret_cast<char*>(8);

} // namespace

TEST_F(SysError, ReportsLeaveTheCriticalErrorOfTheRow) {
  const Row rows[] = {
      {0, [] { open("missing", O_RDONLY); }, SYS_OP_OPEN, "1 OPEN(p)|NOENT_FILE|NOENTA"},
      {0, [] { opendir("missing"); }, SYS_OP_OPENDIR, "1 OPENDIR(p)|NOENT_DIR|NOENTA"},
      {0, [] { mkdir("dir", 0700); }, SYS_OP_MKDIR, "1 MKDIR(p)|EXIST_DIR|EXISTA"},
      {0, [] { open("file", O_CREAT | O_EXCL, 0600); }, SYS_OP_CREAT,
       "1 CREAT(p)|EXIST_FILE|EXISTA"},
      {0, [] { open("dir", O_WRONLY); }, SYS_OP_OPEN, "1 OPEN(p)|ISDIR|ISDIRA"},
      {0, [] { opendir("file/x"); }, SYS_OP_STAT, "1 STAT(p)|NOTDIR|NOTDIRA"},
      {0, [] { open(Long.c_str(), O_RDONLY); }, SYS_OP_READ,
       "1 READ(p)|NAMETOOLONG|NAMETOOLONG_FILEA"},
      {0, [] { rmdir(Long.c_str()); }, SYS_OP_RMDIR, "1 RMDIR(p)|NAMETOOLONG|NAMETOOLONG_DIRA"},
      {0, [] { rmdir("dir"); }, SYS_OP_RMDIR, "1 RMDIR(p)|UNEXPECTED(Directory not empty)|-"},
      {0, [] { ftok("missing", 1); }, SYS_OP_FTOK, "1 FTOKC(p)|FTOK|FTOKA"},
      {0, [] { rename("missing", "file"); }, SYS_OP_RENAME,
       "1 RENAME(p,q)|RENAME_NOENT|RENAME_NOENTA"},
      {0, [] { rename("dir", "file"); }, SYS_OP_RENAME, "1 RENAME(p,q)|RENAME_ISDIR|RENAME_ISDIRA"},
      {0, [] { rename("file", "dir"); }, SYS_OP_RENAME, "1 RENAME(p,q)|RENAME_ISDIR|RENAME_ISDIRA"},
      // Injected: the tests run as root, who is never refused access, on a writable disk.
      {EACCES, nullptr, SYS_OP_CHMOD2, "1 CHMOD(p)|ACCESS_FILE|ACCESS_WINA"},
      {EACCES, nullptr, SYS_OP_OPENDIR, "1 OPENDIR(p)|ACCESS_DIR|ACCESS_WINA"},
      {EROFS, nullptr, SYS_OP_WRITE, "1 WRITE(p)|ROFS|ROFSA"},
      {EINTR, nullptr, SYS_OP_FSYNC, "1 FSYNC(p)|INTR|-"},
      {EAGAIN, nullptr, SYS_OP_FORK, "1 FORK|FORK_AGAIN|FORK_AGAINA"},
      {ENOMEM, nullptr, SYS_OP_FORK, "1 FORK|NOMEM|NOMEMA"},
      {EACCES, nullptr, SYS_OP_GETCWD, "1 GETCWDC|GETCWD|GETCWDA"},
      {EACCES, nullptr, SYS_OP_RENAME, "1 RENAME(p,q)|RENAME_ACCESS|RENAME_ACCESS_WINA"},
      {ENOSPC, nullptr, SYS_OP_RENAME, "1 RENAME(p,q)|RENAME_NOSPC|RENAME_NOSPCA"},
      {EFAULT, nullptr, SYS_OP_UNAME, "1 UNAME|UNEXPECTED(Bad address)|-"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(plaintest::Report(row, Translate), row.expected) << row.operation;
}

TEST_F(SysErrorDeathTest, FatalInternalErrorsAbortWithTheirLine) {
  const Row rows[] = {
      {0, [] { close(-1); }, SYS_OP_CLOSE, "Bad file descriptor (\"p\").\n"},
      {0, [] { lseek(0, 0, 99); }, SYS_OP_SEEK,
       "Not a regular file (\"p\") or invalid parameter.\n"},
      {0, [] { read(open("file", O_RDONLY), BadAddress, 1); }, SYS_OP_READ,
       "Wrong buffer address (\"p\").\n"},
      {0, [] { plaintest::WithoutDescriptors([] { open("file", O_RDONLY); }); }, SYS_OP_OPEN,
       "Two many open files for one process (\"p\").\n"},
      {ENFILE, nullptr, SYS_OP_MKDIR, "Two many open files in the system (\"p\").\n"},
      {0, [] { getcwd(ShortBuffer, 1); }, SYS_OP_GETCWD, "getcwd buffer too small\n"},
      {0, [] { rename("dir", "dir/sub/in"); }, SYS_OP_RENAME,
       "Unable to rename \"p\" to \"q\" (22)\n"},
      {0, [] { semget(0x7f00fe01, 1, 0); }, SYS_OP_SEMGET, "Unexpected error (2)\n"},
      {0, [] { semctl(-1, 0, IPC_RMID); }, SYS_OP_SEMCTL, "Invalid \"semctl\" argument (22).\n"},
      {0, [] { semop(-1, nullptr, 0); }, SYS_OP_SEMOP, "Invalid \"semop\" argument (22).\n"},
      {0, [] { shmget(IPC_PRIVATE, 0, IPC_CREAT | 0600); }, SYS_OP_SHMGET,
       "Unexpected \"shmget\" error (22)\n"},
      {0, [] { shmat(-1, nullptr, 0); }, SYS_OP_SHMAT, "Invalid \"shmat\" argument (22).\n"},
      {0, [] { shmdt(reinterpret_cast<void*>(0x1234)); }, SYS_OP_SHMDT,
       "Invalid \"shmdt\" argument (22).\n"},
      {0, [] { shmctl(-1, IPC_RMID, nullptr); }, SYS_OP_SHMCTL_DELETE,
       "Invalid \"shmctl\" argument (22).\n"},
      {ERANGE, nullptr, SYS_OP_SHMCTL_STAT, "Invalid \"shmctl\" argument (34).\n"},
      {0, nullptr, 30, "Unexpected operation identifier (30)\n"},
      {0, nullptr, -1, "Unexpected operation identifier (-1)\n"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(plaintest::Ending(row, Translate), Fatal + row.expected + "\n") << row.expected;
}

TEST_F(SysErrorDeathTest, FatalRecordsAreShownThenExitWith127) {
  const Row rows[] = {
      {0,
       [] {
         // The limit leaves room for what the child writes on its own output.
         signal(SIGXFSZ, SIG_IGN);
         struct rlimit limit = {1000, 1000};
         setrlimit(RLIMIT_FSIZE, &limit);
         const int fd = open("big", O_CREAT | O_WRONLY, 0600);
         const std::string data(1001, 'd');
         write(fd, data.data(), data.size());
         write(fd, "more", 4);
       },
       SYS_OP_WRITE,
       "Writing \"p\".\n#ERR# FATAL ERROR TOVSYS - FBIG IN caller.c AT LINE 77: The "
       "file is too large.\nMake the file smaller or split it.\n\n"},
      {EIO, nullptr, SYS_OP_READ,
       "Reading \"p\".\n#ERR# FATAL ERROR TOVSYS - IO IN caller.c AT "
       "LINE 77: An input/output error occurred.\nCheck the disk and "
       "the device.\n\n"},
      {EIDRM, nullptr, SYS_OP_SEMCTL,
       "Controlling a semaphore.\n#ERR# FATAL ERROR ... - ... IN "
       "caller.c AT LINE 77\n\n"},
      {ENOSPC, nullptr, SYS_OP_SEMGET,
       "Getting a semaphore.\n#ERR# FATAL ERROR TOVSYS - "
       "SEMGET_NOSPC IN caller.c AT LINE 77: The system has no "
       "semaphore left.\nFree semaphores that are no longer "
       "needed.\n\n"},
      {EACCES, nullptr, SYS_OP_SHMAT,
       "Attaching shared memory.\n#ERR# FATAL ERROR TOVSYS - SHM IN "
       "caller.c AT LINE 77: Access to the shared memory is "
       "denied.\nAsk for the right to use the shared memory.\n\n"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(plaintest::Ending(row, Translate), std::string("exit 127: ") + row.expected);
}

TEST(Memory, AllocatesAndRefusesEmptySizes) {
  char* memory = static_cast<char*>(mem_alloc(3));
  ASSERT_NE(memory, nullptr);
  memcpy(memory, "ab", 3);
  memory = static_cast<char*>(mem_realloc(memory, 100000));
  ASSERT_NE(memory, nullptr);
  EXPECT_STREQ(memory, "ab");
  mem_free(memory);
  for (auto call : {+[] { mem_alloc(0); }, +[] { mem_free(mem_realloc(mem_alloc(1), 0)); }}) {
    plaintest::ChildRun run = plaintest::RunInChild(call);
    EXPECT_EQ(run.signal, SIGABRT);
    EXPECT_NE(run.err.find(": Null memory size\n"), std::string::npos) << run.err;
  }
}

// The sanitizers' allocators end the process themselves when an address-space limit
// refuses them memory, before the library can report it.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define TOV_SANITIZED_ALLOCATOR 1
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__) &&                             \
    !defined(TOV_SANITIZED_ALLOCATOR)
TEST(Memory, ExhaustedMemoryIsReportedWithTheSize) {
  for (bool started : {false, true}) {
    plaintest::ChildRun run = plaintest::RunInChild([started] {
      err_start(nullptr);
      if (started)
        ErrorProcessingStart();
      struct rlimit limit = {1u << 30, 1u << 30};
      setrlimit(RLIMIT_AS, &limit);
      fprintf(stderr, "survived with %p", mem_alloc(1 << 30));
    });
    // The message is made without memory: the plain line, then the fatal error, empty.
    const std::string expected =
        "Not enough memory to allocate 1073741824 bytes\n" +
        std::string(started ? "#ERR# FATAL ERROR ... - ... IN TOVBasic.m/src/plain/TOVCBMemory.cpp"
                            : "Unable to create the error message\nsurvived with (nil)");
    EXPECT_EQ(run.exitCode, started ? 127 : 0);
    EXPECT_EQ(run.err.substr(0, expected.size()), expected);
  }
}
#endif
