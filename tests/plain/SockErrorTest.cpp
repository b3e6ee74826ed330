#include "PlainTestSupport.h"
#include "TOVCBErrorProcessing.h"
#include "TOVError.h"

#include <arpa/inet.h>
#include <cerrno>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <string>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using plaintest::Row;

// The report of sock_error("caller.c", 77, operation, "p"); injected errors are Winsock
// numbers.
void Translate(int operation) {
  sock_error("caller.c", 77, operation, "p");
}

sockaddr_in Address;
sockaddr* const AddressPointer = reinterpret_cast<sockaddr*>(&Address);

/// A loopback socket bound to a free port (kept in Address), not listening.
int BoundSocket() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  Address = {};
  Address.sin_family = AF_INET;
  Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof Address;
  bind(fd, AddressPointer, sizeof Address);
  getsockname(fd, AddressPointer, &length);
  return fd;
}

/// A client socket whose connection the server end has reset.
int ResetConnection() {
  const int listener = BoundSocket();
  listen(listener, 1);
  const int local = socket(AF_INET, SOCK_STREAM, 0);
  connect(local, AddressPointer, sizeof Address);
  const int remote = accept(listener, nullptr, nullptr);
  struct linger abortive = {1, 0};
  setsockopt(remote, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
  close(remote);
  close(listener);
  usleep(20000);
  return local;
}

char Byte;
int Option;

using SockError = plaintest::Started;

using SockErrorDeathTest = SockError;

const std::string Fatal = "#ERR# Fatal internal error at caller.c:77: ";

} // namespace

TEST_F(SockError, ReportsLeaveTheCriticalErrorOfTheRow) {
  const Row rows[] = {
      {0, [] { connect(socket(AF_INET, SOCK_STREAM, 0), AddressPointer, sizeof Address); },
       SOCK_OP_CONNECT, "1 CONNECTC(p)|CONNECT|CONNECTA"},
      {0, [] { bind(socket(AF_INET, SOCK_STREAM, 0), AddressPointer, sizeof Address); },
       SOCK_OP_BIND, "1 BINDC|BIND(p)|BINDA"},
      {0, [] { recv(ResetConnection(), &Byte, 1, 0); }, SOCK_OP_RECV, "1 RECVC(p)|RECV|RECVA"},
      {0, [] { send(ResetConnection(), "x", 1, MSG_NOSIGNAL); }, SOCK_OP_SEND,
       "1 SENDC(p)|SEND|SENDA"},
      {0, [] { recv(0, &Byte, 1, MSG_DONTWAIT); }, SOCK_OP_RECV,
       "1 RECVC(p)|UNEXPECTED(Socket operation on non-socket.)|-"},
      {10060, nullptr, SOCK_OP_CONNECT, "1 CONNECTC(p)|CONNECT|CONNECTA"},
      {10065, nullptr, SOCK_OP_SEND, "1 SENDC(p)|SEND|SENDA"},
      {10055, nullptr, SOCK_OP_SOCKET, "1 SOCKC|SOCK|SOCKA"},
      {10092, nullptr, SOCK_OP_STARTUP, "1 STARTUPC|STARTUP|STARTUPA"},
      {10091, nullptr, SOCK_OP_STARTUP,
       "1 STARTUPC|UNEXPECTED(Network subsystem is unavailable.)|-"},
      {10050, nullptr, SOCK_OP_GETHOST, "1 GETHOST|UNEXPECTED(Network is down.)|-"},
      {10048, nullptr, SOCK_OP_LISTEN, "1 LISTEN(p)|UNEXPECTED(Address already in use.)|-"},
      {10064, nullptr, SOCK_OP_NONE7, "1 -|UNEXPECTED(Host is down.)|-"},
      {10059, nullptr, SOCK_OP_NONE8, "1 -|UNEXPECTED(10059)|-"},
      {ENOMEM, nullptr, SOCK_OP_ACCEPT, "1 ACCEPT|UNEXPECTED(12)|-"}, // no Winsock number
  };
  const int bound = BoundSocket(); // nobody listens on its port, which is taken
  for (const Row& row : rows)
    EXPECT_EQ(plaintest::Report(row, Translate), row.expected) << row.operation << " " << row.error;
  close(bound);
}

TEST_F(SockErrorDeathTest, UnexpectedErrorsAbortWithTheirLine) {
  const Row rows[] = {
      {0, [] { close(-1); }, SOCK_OP_CLOSE, "Bad socket file descriptor.\n"},
      {0, [] { accept(0, nullptr, nullptr); }, SOCK_OP_ACCEPT,
       "Unexptected accept error (10038).\n"},
      {0, [] { listen(0, 1); }, SOCK_OP_LISTEN, "Unexptected listen error (10038).\n"},
      {0, [] { socket(AF_INET, SOCK_STREAM, IPPROTO_UDP); }, SOCK_OP_SOCKET,
       "Address family / socket type mismatch.\n"},
      {0,
       [] {
         setsockopt(socket(AF_INET, SOCK_STREAM, 0), SOL_SOCKET, 12345, &Option, sizeof Option);
       },
       SOCK_OP_SETOPT, "Unexptected setopt error (10042).\n"},
      {0, [] { getsockopt(socket(AF_INET, SOCK_STREAM, 0), SOL_SOCKET, 12345, &Byte, nullptr); },
       SOCK_OP_GETOPT, "Unexptected getopt error (10014).\n"},
      {0, [] { select(-1, nullptr, nullptr, nullptr, nullptr); }, SOCK_OP_SELECT,
       "Unexptected select error (10022).\n"},
      {0, [] { bind(socket(AF_INET, SOCK_STREAM, 0), AddressPointer, 1); }, SOCK_OP_BIND,
       "Unexptected bind error (10022).\n"},
      {0,
       [] {
         const int listener = BoundSocket();
         listen(listener, 1);
         const int fd = socket(AF_INET, SOCK_STREAM, 0);
         connect(fd, AddressPointer, sizeof Address);
         connect(fd, AddressPointer, sizeof Address);
       },
       SOCK_OP_CONNECT, "Unexpected connect error (10056).\n"},
      {0, [] { plaintest::WithoutDescriptors([] { socket(AF_INET, SOCK_STREAM, 0); }); },
       SOCK_OP_SOCKET, "Two many open files for one process.\n"},
      {10014, nullptr, SOCK_OP_GETHOST, "Invalid host buffer\n"},
      {10014, nullptr, SOCK_OP_RECV, "Unexptected recv error (10014).\n"},
      {10093, nullptr, SOCK_OP_SEND, "Unexptected send error (10093).\n"},
      {10014, nullptr, SOCK_OP_STARTUP, "WSAStartup data invalid\n"},
      {0, nullptr, 15, "Unexpected operation identifier (15)\n"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(plaintest::Ending(row, Translate), Fatal + row.expected + "\n") << row.expected;
}

TEST_F(SockErrorDeathTest, CommunicationErrorsGiveTheirThreeMessages) {
  const char* const expected[] = {
      "1 FULLC|FULL|FULLA",
      "1 HOST(h)|HOST_ADD|HOST_ADDA",
      "1 HOST(h)|HOST_FORMAT|HOST_FORMATA",
      "1 INPUT_CONVC|INPUT_CONV|INPUT_CONVA",
      "1 PROTOC|PROTO|PROTOA",
      "1 SHARE|SHARE_ACCESS|SHARE_ACCESSA",
      "1 SHARE|SHARE_INTERNAL|SHARE_INTERNALA",
      "1 SHARE|UNEXPECTED(h)|-",
      "1 USE|USE_INTERNAL|USE_INTERNALA",
      "1 USE|UNEXPECTED(h)|-",
  };
  for (int code = COM_ERR_FULL; code <= COM_ERR_USE_OTHER; ++code) {
    com_error("caller.c", 5, code, "h");
    EXPECT_EQ(plaintest::TakeReport(), expected[code]) << code;
  }
  for (int code : {10, -1}) {
    plaintest::ChildRun run =
        plaintest::RunInChild([code] { com_error("caller.c", 77, code, "h"); });
    EXPECT_EQ(run.err, Fatal + "Unexpected error code (" + std::to_string(code) + ")\n\n");
  }
}

TEST(SockErrorTrace, TranslatorsTraceTheirCallsAndFallBackWithoutTable) {
  plaintest::ChildRun run = plaintest::RunInChild([] {
    err_start(nullptr);
    trc_set_component("all");
    errno = ENOENT;
    sys_error("f.c", 1, SYS_OP_OPEN, "p", nullptr);
    errno = ECONNREFUSED;
    sock_error("f.c", 2, SOCK_OP_CONNECT, "p");
    com_error("f.c", 3, COM_ERR_PROTO, nullptr);
  });
  EXPECT_THAT(run.out, ::testing::MatchesRegex(".*: sys_error \"f.c\" 1: oper 9 error 2\n"
                                               ".*: sock_error \"f.c\" 2: oper 3 error 10061\n"
                                               ".*: com_error \"f.c\" 3: error 4\n"));
  EXPECT_THAT(run.err,
              ::testing::MatchesRegex("((Unable to process the error message \"[A-Z_]+\"\n){3}"
                                      "Unable to create the error message\n){3}"));
}
