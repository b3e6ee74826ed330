// A peer written apart from the library: a Python client that packs and unpacks frames
// with struct exchanges messages of every primitive with a server built on the library.
#include "NetTestSupport.h"
#include "TOVTestSupport.h"

#include <gmock/gmock.h>
#include <poll.h>

using namespace nettest;
using ::testing::ElementsAre;

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
answers = sock.makefile('rb')

def exchange(sent, expected):
    sock.sendall(sent)
    header = answers.read(8)
    answer = header + answers.read(struct.unpack('>ii', header)[1] - 8)
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

// Sends the message back and keeps its description.
void EchoAllKinds(void* iMessage, void* iEcho) {
  msg_send(iMessage, static_cast<Echo*>(iEcho)->connection, 1);
  KeepAllKinds(iMessage, &static_cast<Echo*>(iEcho)->received);
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
  // The client runs while this thread serves it; its output goes to a file.
  std::string command =
      "python3 " + dir + "/client.py " + std::to_string(port) + " >" + dir + "/out.txt 2>&1";
  FILE* python = popen(command.c_str(), "r");
  ASSERT_NE(nullptr, python);
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
  EXPECT_EQ(0, pclose(python));
  EXPECT_EQ("DONE 5 0\n", tovtest::ReadFile(dir + "/out.txt"));

  // What the server decoded from the hand-packed frames.
  std::string bytes;
  for (int c = 1; c < 256; ++c)
    bytes += static_cast<char>(c);
  EXPECT_THAT(echo.received.messages,
              ElementsAre("4 1 0 0 'abc' 'ab' ''", "4 -1 4294967295 -1 '' '' 'xyzzy'",
                          "4 2147483647 123456789 1700000000 '" + std::string(1001, 'x') +
                              "' '\xc3\xa9t\xc3\xa9' '" + bytes + "'",
                          "4 -2147483648 1 -86400 'abcd' 'abcdefg' '1234'",
                          "4 5 6 7 null null ''"));
}
