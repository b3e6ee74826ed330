// A peer written apart from the library: a Python client that packs and unpacks frames
// with struct exchanges messages of every primitive with a server built on the library.
#include "NetTestSupport.h"
#include "TOVTestSupport.h"

#include <poll.h>
#include <sys/wait.h>

using namespace nettest;

namespace {

// Sends AllKinds frames packed by hand, expects each one back byte for byte as the server
// re-encodes it, then a frame with null strings (lengths 0 and -3), which comes back with
// empty strings. Prints "DONE <frames> <mismatches>".
const char* const Client = R"PY(
import socket, struct, sys

def string(s):
    data = (s if s is not None else b'') + b'\0'
    return struct.pack('>I', len(data)) + data + b'\0' * ((4 - len(data) % 4) % 4)

def text(t):
    return t + b'\0' * ((4 - len(t) % 4) % 4)

def frame(body):
    return struct.pack('>ii', 4, 8 + len(body)) + body

def all_kinds(number, count, stamp, name, note, txt):
    return frame(struct.pack('>iIi', number, count, stamp) + string(name) + string(note)
                 + struct.pack('>i', len(txt)) + text(txt))

cases = [
    (1, 0, 0, b'abc', b'ab', b''),
    (-1, 0xffffffff, -1, b'', None, b'xyzzy'),
    (2**31 - 1, 123456789, 1700000000, b'x' * 1001, b'\xc3\xa9t\xc3\xa9', bytes(range(1, 256))),
    (-2**31, 1, -86400, b'abcd', b'abcdefg', b'1234'),
]
sock = socket.create_connection(('127.0.0.1', int(sys.argv[1])))

def recv_exact(n):
    data = b''
    while len(data) < n:
        part = sock.recv(n - len(data))
        if not part:
            break
        data += part
    return data

def exchange(sent, expected):
    sock.sendall(sent)
    header = recv_exact(8)
    kind, length = struct.unpack('>ii', header)
    answer = header + recv_exact(length - 8)
    if answer != expected:
        print('MISMATCH', sent.hex(), answer.hex(), expected.hex())
        return 1
    return 0

mismatches = 0
for case in cases:
    sent = all_kinds(*case)
    mismatches += exchange(sent, sent)
nulls = frame(struct.pack('>iIi', 5, 6, 7) + struct.pack('>ii', 0, -3) + struct.pack('>i', 0))
mismatches += exchange(nulls, all_kinds(5, 6, 7, b'', b'', b''))
sock.close()
print('DONE', len(cases) + 1, mismatches)
)PY";

struct Echo {
  Received received;
  TOVCOMConnection* connection = nullptr;
};

// Keeps a copy of the message and sends it back.
void EchoAllKinds(void* iMessage, void* iUserData) {
  auto* echo = static_cast<Echo*>(iUserData);
  msg_send(iMessage, echo->connection, 1);
  KeepAllKinds(iMessage, &echo->received);
}

} // namespace

TEST(PythonPeerTest, EveryPrimitiveMatchesTheWireTableBothWays) {
  ErrorProcessingStart();
  msg_register(AllKindsType, GetAllKinds, PutAllKinds);
  std::string dir = tovtest::MakeTempDir();
  tovtest::WriteFile(dir + "/client.py", Client);
  int port = FreePort();
  int listener = msg_srv_start(&port);
  ASSERT_GE(listener, 0);
  pid_t python = fork();
  if (python == 0) {
    std::string out = dir + "/out.txt";
    if (freopen(out.c_str(), "w", stdout) == nullptr)
      _exit(126);
    dup2(STDOUT_FILENO, STDERR_FILENO);
    std::string script = dir + "/client.py", portText = std::to_string(port);
    execlp("python3", "python3", script.c_str(), portText.c_str(), (char*)nullptr);
    _exit(127);
  }
  pollfd ready{listener, POLLIN, 0};
  ASSERT_EQ(1, poll(&ready, 1, 20000)) << tovtest::ReadFile(dir + "/out.txt");
  Echo echo;
  echo.connection = msg_srv_open(listener, EchoAllKinds);
  ASSERT_NE(nullptr, echo.connection);
  int result;
  while ((result = msg_recv(echo.connection, &echo, 1)) > 0) {
  }
  EXPECT_EQ(0, result);
  msg_srv_close(echo.connection);
  msg_srv_stop(listener);
  int status = 0;
  waitpid(python, &status, 0);
  EXPECT_EQ("DONE 5 0\n", tovtest::ReadFile(dir + "/out.txt"));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  // What the server decoded from the hand-packed frames.
  const auto& got = echo.received.messages;
  ASSERT_EQ(5u, got.size());
  EXPECT_EQ(1, got[0].number);
  EXPECT_EQ("abc", got[0].name);
  EXPECT_EQ("ab", got[0].note);
  EXPECT_EQ(-1, got[1].number);
  EXPECT_EQ(0xffffffffu, got[1].count);
  EXPECT_EQ(-1, got[1].stamp);
  EXPECT_EQ("xyzzy", got[1].text);
  EXPECT_FALSE(got[1].noteNull);
  EXPECT_EQ(2147483647, got[2].number);
  EXPECT_EQ(1700000000, got[2].stamp);
  EXPECT_EQ(std::string(1001, 'x'), got[2].name);
  EXPECT_EQ("\xc3\xa9t\xc3\xa9", got[2].note);
  EXPECT_EQ(255u, got[2].text.size());
  EXPECT_EQ(INT32_MIN, got[3].number);
  EXPECT_EQ(-86400, got[3].stamp);
  EXPECT_EQ("abcdefg", got[3].note);
  EXPECT_TRUE(got[4].nameNull);
  EXPECT_TRUE(got[4].noteNull);
  EXPECT_EQ(5, got[4].number);
  EXPECT_EQ(6u, got[4].count);
  EXPECT_EQ(7, got[4].stamp);
}
