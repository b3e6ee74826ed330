#include "PlainTestSupport.h"
#include "TOVCBErrorProcessing.h"
#include "TOVError.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <string>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

using plaintest::RunInChild;
using plaintest::TakeReport;

namespace {

class SockError : public ::testing::Test {
protected:
  void SetUp() override { ErrorProcessingStart(); }
  void TearDown() override { MORCleanLastError(); }
};

std::string SockReport(int operation, const char* param = "host:1") {
  sock_error("caller.c", 5, operation, param);
  return TakeReport();
}

/// A loopback socket bound to a free port, not listening; gives its address.
int BoundSocket(sockaddr_in& address) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  EXPECT_EQ(getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
  return fd;
}

/// A connected pair of loopback sockets whose first end the second end has reset.
void ResetConnection(int& local) {
  sockaddr_in address;
  const int listener = BoundSocket(address);
  ASSERT_EQ(listen(listener, 1), 0);
  local = socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_EQ(connect(local, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const int remote = accept(listener, nullptr, nullptr);
  struct linger abortive = {1, 0};
  setsockopt(remote, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
  close(remote);
  close(listener);
  usleep(20000);
}

/// How a child that calls sock_error after body ended: its stderr after an abort.
std::string SockEnding(const std::function<void()>& body, int operation) {
  plaintest::ChildRun run = RunInChild([&] {
    ErrorProcessingStart();
    body();
    sock_error("caller.c", 77, operation, "param");
  });
  return run.signal == SIGABRT ? run.err : "exit " + std::to_string(run.exitCode) + run.err;
}

const std::string FatalHead = "#ERR# Fatal internal error at caller.c:77: ";

} // namespace

TEST_F(SockError, ErrnoMapsToWinsockNumbersAndSetNumbersPassUnchanged) {
  errno = ECONNREFUSED;
  EXPECT_EQ(sock_error_code(), 10061);
  errno = EPIPE;
  EXPECT_EQ(sock_error_code(), 10054);
  errno = 10093;
  EXPECT_EQ(sock_error_code(), 10093);
  errno = ENOMEM;
  EXPECT_EQ(sock_error_code(), ENOMEM);
}

TEST_F(SockError, SocketFailuresProvokedForReal) {
  sockaddr_in address;
  const int bound = BoundSocket(address);
  // Nobody listens on the port: refused.
  const int client = socket(AF_INET, SOCK_STREAM, 0);
  EXPECT_NE(connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  EXPECT_EQ(SockReport(SOCK_OP_CONNECT, "127.0.0.1"), "1 CONNECTC(127.0.0.1)|CONNECT|CONNECTA");
  // The port is taken.
  const int other = socket(AF_INET, SOCK_STREAM, 0);
  EXPECT_NE(bind(other, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  EXPECT_EQ(SockReport(SOCK_OP_BIND, "23400"), "1 BINDC|BIND(23400)|BINDA");
  close(bound);
  close(client);
  close(other);
  // The peer reset the connection.
  int local = -1;
  ResetConnection(local);
  char byte;
  EXPECT_LT(recv(local, &byte, 1, 0), 0);
  EXPECT_EQ(SockReport(SOCK_OP_RECV, "peer"), "1 RECVC(peer)|RECV|RECVA");
  EXPECT_LT(send(local, "x", 1, MSG_NOSIGNAL), 0);
  EXPECT_EQ(SockReport(SOCK_OP_SEND, "peer"), "1 SENDC(peer)|SEND|SENDA");
  close(local);
  // Not a socket.
  EXPECT_LT(recv(0, &byte, 1, MSG_DONTWAIT), 0);
  EXPECT_EQ(SockReport(SOCK_OP_RECV, "in"),
            "1 RECVC(in)|UNEXPECTED(Socket operation on non-socket.)|-");
}

TEST_F(SockError, RowsThatCannotBeProvokedHereAreInjected) {
  const struct {
    int operation;
    int code;
    const char* expected;
  } rows[] = {
      {SOCK_OP_CONNECT, 10060, "1 CONNECTC(host:1)|CONNECT|CONNECTA"},
      {SOCK_OP_RECV, 10053, "1 RECVC(host:1)|RECV|RECVA"},
      {SOCK_OP_RECV, 10060, "1 RECVC(host:1)|RECV|RECVA"},
      {SOCK_OP_SEND, 10065, "1 SENDC(host:1)|SEND|SENDA"},
      {SOCK_OP_SOCKET, 10055, "1 SOCKC|SOCK|SOCKA"},
      {SOCK_OP_STARTUP, 10092, "1 STARTUPC|STARTUP|STARTUPA"},
      {SOCK_OP_STARTUP, 10091, "1 STARTUPC|UNEXPECTED(Network subsystem is unavailable.)|-"},
      {SOCK_OP_ACCEPT, 10035, "1 ACCEPT|UNEXPECTED(Resource temporarily unavailable.)|-"},
      {SOCK_OP_CLOSE, 10004, "1 CLOSE|UNEXPECTED(Interrupted function call.)|-"},
      {SOCK_OP_GETHOST, 10050, "1 GETHOST|UNEXPECTED(Network is down.)|-"},
      {SOCK_OP_GETOPT, 10022, "1 GETOPT|UNEXPECTED(Invalid argument.)|-"},
      {SOCK_OP_LISTEN, 10048, "1 LISTEN(host:1)|UNEXPECTED(Address already in use.)|-"},
      {SOCK_OP_SELECT, 10004, "1 SELECT(host:1)|UNEXPECTED(Interrupted function call.)|-"},
      {SOCK_OP_SETOPT, 10057, "1 SETOPT|UNEXPECTED(Socket is not connected.)|-"},
      {SOCK_OP_NONE7, 10064, "1 -|UNEXPECTED(Host is down.)|-"},
      {SOCK_OP_NONE8, 10059, "1 -|UNEXPECTED(10059)|-"},
  };
  for (const auto& row : rows) {
    errno = row.code;
    EXPECT_EQ(SockReport(row.operation), row.expected) << row.operation << " " << row.code;
  }
}

TEST(SockErrorEnding, UnexpectedSocketErrorsAreFatalInternalErrors) {
  const struct {
    int operation;
    int code;
    const char* text;
  } rows[] = {
      {SOCK_OP_ACCEPT, 10045, "Unexptected accept error (10045).\n"},
      {SOCK_OP_BIND, 10093, "Unexptected bind error (10093).\n"},
      {SOCK_OP_CLOSE, 9, "Bad socket file descriptor.\n"},
      {SOCK_OP_CONNECT, 10093, "Unexpected connect error (10093).\n"},
      {SOCK_OP_GETHOST, 10014, "Invalid host buffer\n"},
      {SOCK_OP_RECV, 10014, "Unexptected recv error (10014).\n"},
      {SOCK_OP_SEND, 10014, "Unexptected send error (10014).\n"},
      {SOCK_OP_SOCKET, 10047, "Address family / socket type mismatch.\n"},
      {SOCK_OP_STARTUP, 10014, "WSAStartup data invalid\n"},
      {15, 0, "Unexpected operation identifier (15)\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SockEnding([&] { errno = row.code; }, row.operation), FatalHead + row.text + "\n")
        << row.operation;
  }
}

TEST(SockErrorEnding, RealFailuresThatAreFatalInternalErrors) {
  EXPECT_EQ(SockEnding([] { close(-1); }, SOCK_OP_CLOSE),
            FatalHead + "Bad socket file descriptor.\n\n");
  EXPECT_EQ(SockEnding([] { accept(0, nullptr, nullptr); }, SOCK_OP_ACCEPT),
            FatalHead + "Unexptected accept error (10038).\n\n");
  EXPECT_EQ(SockEnding([] { listen(0, 1); }, SOCK_OP_LISTEN),
            FatalHead + "Unexptected listen error (10038).\n\n");
  EXPECT_EQ(SockEnding([] { socket(AF_INET, SOCK_STREAM, IPPROTO_UDP); }, SOCK_OP_SOCKET),
            FatalHead + "Address family / socket type mismatch.\n\n");
  EXPECT_EQ(SockEnding(
                [] {
                  int value = 1;
                  setsockopt(socket(AF_INET, SOCK_STREAM, 0), SOL_SOCKET, 12345, &value,
                             sizeof value);
                },
                SOCK_OP_SETOPT),
            FatalHead + "Unexptected setopt error (10042).\n\n");
  EXPECT_EQ(SockEnding(
                [] {
                  int value;
                  socklen_t length = sizeof value;
                  getsockopt(socket(AF_INET, SOCK_STREAM, 0), SOL_SOCKET, 12345, &value, &length);
                },
                SOCK_OP_GETOPT),
            FatalHead + "Unexptected getopt error (10042).\n\n");
  EXPECT_EQ(SockEnding([] { select(-1, nullptr, nullptr, nullptr, nullptr); }, SOCK_OP_SELECT),
            FatalHead + "Unexptected select error (10022).\n\n");
  EXPECT_EQ(SockEnding(
                [] {
                  sockaddr_in address{};
                  bind(socket(AF_INET, SOCK_STREAM, 0), reinterpret_cast<sockaddr*>(&address), 1);
                },
                SOCK_OP_BIND),
            FatalHead + "Unexptected bind error (10022).\n\n");
  EXPECT_EQ(SockEnding(
                [] {
                  sockaddr_in address;
                  const int listener = BoundSocket(address);
                  listen(listener, 1);
                  const int fd = socket(AF_INET, SOCK_STREAM, 0);
                  connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
                  connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
                },
                SOCK_OP_CONNECT),
            FatalHead + "Unexpected connect error (10056).\n\n");
  EXPECT_EQ(SockEnding(
                [] {
                  struct rlimit limit = {3, 3};
                  setrlimit(RLIMIT_NOFILE, &limit);
                  socket(AF_INET, SOCK_STREAM, 0);
                },
                SOCK_OP_SOCKET),
            FatalHead + "Two many open files for one process.\n\n");
}

TEST_F(SockError, CommunicationErrorsGiveTheirThreeMessages) {
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
    EXPECT_EQ(TakeReport(), expected[code]) << code;
  }
  for (int code : {10, -1}) {
    plaintest::ChildRun run = RunInChild([code] { com_error("caller.c", 77, code, "h"); });
    EXPECT_EQ(run.signal, SIGABRT);
    EXPECT_EQ(run.err, FatalHead + "Unexpected error code (" + std::to_string(code) + ")\n\n");
  }
}

TEST(SockErrorTrace, TranslatorsTraceTheirCalls) {
  plaintest::ChildRun run = RunInChild([] {
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
  // Without error processing, each report falls back on the plain lines.
  EXPECT_EQ(run.err, "Unable to process the error message \"OPEN\"\n"
                     "Unable to process the error message \"NOENT_FILE\"\n"
                     "Unable to process the error message \"NOENTA\"\n"
                     "Unable to create the error message\n"
                     "Unable to process the error message \"CONNECTC\"\n"
                     "Unable to process the error message \"CONNECT\"\n"
                     "Unable to process the error message \"CONNECTA\"\n"
                     "Unable to create the error message\n"
                     "Unable to process the error message \"PROTOC\"\n"
                     "Unable to process the error message \"PROTO\"\n"
                     "Unable to process the error message \"PROTOA\"\n"
                     "Unable to create the error message\n");
}
