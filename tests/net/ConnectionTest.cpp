// Framing, sending and receiving over loopback connections, and frames from a peer that
// does not follow the protocol.
#include "NetTestSupport.h"
#include "TOVCBPerformance.h"
#include "TOVTestSupport.h"

#include <gmock/gmock.h>

using namespace nettest;
using ::testing::ElementsAre;

namespace {

class ConnectionTest : public ::testing::Test {
protected:
  void SetUp() override {
    ErrorProcessingStart();
    msg_register(AllKindsType, GetAllKinds, PutAllKinds);
  }
  void TearDown() override {
    msg_set_max_length(0);
    MORCleanLastError();
  }
};

AllKinds Sample(int iNumber, const char* iName, const char* iText) {
  AllKinds m{AllKindsType, iNumber, 7u, 1700000000, const_cast<char*>(iName), nullptr, 0, nullptr};
  m.textLength = static_cast<int>(strlen(iText));
  m.text = const_cast<char*>(iText);
  return m;
}

// A raw peer on one side of a server connection: the library reads what the test writes.
struct RawPeer {
  int listener = -1, raw = -1;
  TOVCOMConnection* server = nullptr;
  RawPeer() {
    int port = FreePort();
    listener = msg_srv_start(&port);
    raw = RawConnect(port);
    server = msg_srv_open(listener, KeepAllKinds);
  }
  ~RawPeer() {
    if (raw >= 0)
      close(raw);
    msg_srv_close(server);
    msg_srv_stop(listener);
  }
  // Writes the bytes, closes the raw side when asked, and receives one message waiting.
  int Receive(const std::string& iBytes, Received& oReceived, bool iClose = false) {
    SendAll(raw, iBytes);
    if (iClose) {
      close(raw);
      raw = -1;
    }
    return msg_recv(server, &oReceived, 1);
  }
};

} // namespace

TEST_F(ConnectionTest, MessagesTravelBothWaysWaitingOrStepByStep) {
  Received atServer, atClient;
  LoopbackPair pair(KeepAllKinds);
  ASSERT_NE(nullptr, pair.server);
  ASSERT_NE(nullptr, pair.client);
  AllKinds first = Sample(-5, "first", "abc");
  AllKinds second = Sample(6, "", "");
  EXPECT_EQ(0, msg_send(&first, pair.client, 1));
  EXPECT_EQ(1, msg_send(&second, pair.client, 0));
  EXPECT_EQ(1, pair.client->output.count);
  EXPECT_EQ(0, msg_send_process(pair.client));
  EXPECT_EQ(0, pair.client->output.count);
  EXPECT_EQ(0, msg_send_process(pair.client)); // nothing left to send
  EXPECT_GT(msg_recv(pair.server, &atServer, 1), 0);
  // Step by step: the header, then the body.
  EXPECT_EQ(1, msg_recv(pair.server, &atServer, 0));
  EXPECT_EQ(8, msg_recv_process(pair.server, &atServer));
  EXPECT_EQ(1, pair.server->input.count);
  EXPECT_EQ(32, msg_recv_process(pair.server, &atServer));
  EXPECT_EQ(0, pair.server->input.count);
  EXPECT_EQ(1, msg_recv_process(pair.server, &atServer)); // nothing queued
  // A null note is read back empty.
  EXPECT_THAT(atServer.messages,
              ElementsAre("4 -5 7 1700000000 'first' '' 'abc'", "4 6 7 1700000000 '' '' ''"));

  // A message that its converter cannot write is not queued.
  AllKinds late = Sample(1, "late", "");
  late.stamp = static_cast<time_t>(INT32_MAX) + 1;
  EXPECT_EQ(-1, msg_send(&late, pair.client, 0));
  EXPECT_EQ(0, pair.client->output.count);
  // Frames queued without waiting leave together in one step.
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(1, msg_send(&first, pair.client, 0));
  EXPECT_EQ(0, msg_send_process(pair.client));
  EXPECT_EQ(0, pair.client->output.count);
  for (int i = 0; i < 3; ++i)
    EXPECT_GT(msg_recv(pair.server, &atServer, 1), 0);
  EXPECT_EQ(5u, atServer.messages.size());

  // The other way, a message larger than a send block in one frame.
  std::string big(200000, 'z');
  AllKinds large = Sample(9, "large", big.c_str());
  EXPECT_EQ(0, msg_send(&large, pair.server, 1));
  EXPECT_GT(msg_recv(pair.client, &atClient, 1), 0);
  EXPECT_THAT(atClient.messages, ElementsAre("4 9 7 1700000000 'large' '' '" + big + "'"));

  // The peer closes while a receive is pending: the step gives 0 and drops the buffer.
  msg_clnt_stop(pair.client);
  pair.client = nullptr;
  EXPECT_EQ(0, msg_recv(pair.server, &atServer, 1));
  EXPECT_EQ(0, pair.server->input.count);
  EXPECT_EQ("no error", TakeReport());
}

TEST_F(ConnectionTest, InvalidFramesAreRefusedAndTheConnectionEnds) {
  const std::string goodBody = std::string("\0\0\0\1\0\0\0\2\0\0\0\3", 12) + Word(2) +
                               std::string("a\0\0\0", 4) + Word(0) + Word(0);
  struct Case {
    const char* what;
    std::string bytes;
    size_t maximum;
  };
  const Case cases[] = {
      {"type 11", Word(11) + Word(8), 0},
      {"negative type", Word(uint32_t(-1)) + Word(8), 0},
      {"negative length", Word(4) + Word(0x80000000u), 0},
      {"2 GiB announced", Word(4) + Word(0x7fffffff), 0},
      {"one byte over the maximum set", Frame(4, goodBody), Frame(4, goodBody).size() - 1},
      {"type without input converter", Frame(9, goodBody), 0},
      {"body read past its end", Frame(4, goodBody.substr(0, 8)), 0},
      {"string longer than the body", Frame(4, goodBody.substr(0, 12) + Word(1000) + "abcd"), 0},
      {"string without its zero", Frame(4, goodBody.substr(0, 12) + Word(4) + "abcd"), 0},
      {"text longer than the body", Frame(4, goodBody.substr(0, 20) + Word(0) + Word(99)), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    msg_set_max_length(c.maximum);
    RawPeer peer;
    Received received;
    EXPECT_EQ(-1, peer.Receive(c.bytes, received));
    EXPECT_EQ("TOVCOM:INPUT_CONVC() TOVCOM:INPUT_CONV()", TakeReport());
    EXPECT_EQ(0, peer.server->input.count);
    // The library shut the connection: the peer reads its end, and nothing more arrives.
    char byte;
    EXPECT_EQ(0, recv(peer.raw, &byte, 1, 0));
    EXPECT_LE(msg_recv(peer.server, &received, 1), 0);
    EXPECT_TRUE(received.messages.empty());
    MORCleanLastError();
  }
  // The valid frame itself passes, even at exactly the maximum.
  msg_set_max_length(Frame(4, goodBody).size());
  RawPeer peer;
  Received received;
  EXPECT_GT(peer.Receive(Frame(4, goodBody), received), 0);
  EXPECT_THAT(received.messages, ElementsAre("4 1 2 3 'a' null ''"));
}

TEST_F(ConnectionTest, ShortFramesGiveAnEmptyBodyAndCutFramesEndQuietly) {
  static int bodyLength;
  msg_register(
      2,
      [](int iBodyLength, msg_reader, void*) -> void* {
        bodyLength = iBodyLength;
        return calloc(1, sizeof(AllKinds));
      },
      nullptr);
  for (uint32_t announced : {8u, 5u, 0u}) {
    RawPeer peer;
    Received received;
    bodyLength = -1;
    EXPECT_EQ(8, peer.Receive(Word(2) + Word(announced), received)) << announced;
    EXPECT_EQ(0, bodyLength);
    EXPECT_THAT(received.messages, ElementsAre("2 0 0 0 null null null"));
  }
  // The peer closes mid-header or mid-body.
  for (const std::string& part : {std::string("\0\0\0", 3), Word(4) + Word(100) + "abc"}) {
    RawPeer peer;
    Received received;
    EXPECT_EQ(0, peer.Receive(part, received, true));
    EXPECT_EQ(0, peer.server->input.count);
    EXPECT_TRUE(received.messages.empty());
    EXPECT_EQ("no error", TakeReport());
  }
}

TEST_F(ConnectionTest, SocketFailuresAreReported) {
  LoopbackPair pair(KeepAllKinds);
  AllKinds message = Sample(1, "x", "");
  // Sending on a connection that the peer reset: the process lives, the step fails.
  linger hard{1, 0};
  setsockopt(pair.server->socket, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
  close(pair.server->socket);
  pair.server->socket = socket(AF_INET, SOCK_STREAM, 0); // closed cleanly by the destructor
  usleep(10000);
  int result = 0;
  for (int i = 0; i < 50 && result == 0; ++i)
    result = msg_send(&message, pair.client, 1);
  EXPECT_EQ(-1, result);
  std::string report = TakeReport();
  EXPECT_EQ(0u, report.find("TOVSOCK:SENDC(")) << report;
  Received received;
  EXPECT_EQ(-1, msg_recv(pair.server, &received, 1)); // not connected
  EXPECT_EQ("TOVSOCK:RECVC(?) TOVSOCK:UNEXPECTED(Socket is not connected.)", TakeReport());
}

TEST_F(ConnectionTest, SendAndReceiveAreCounted) {
  // A fresh process, in which the counters' mode is not yet fixed.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("TOVCB_PERF", "1", 1);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        LoopbackPair pair(KeepAllKinds);
        AllKinds message = Sample(1, "x", "");
        Received received;
        msg_send(&message, pair.client, 1);
        msg_recv(pair.server, &received, 1);
        perf_print();
        fflush(stdout);
        _exit(0);
      },
      ::testing::ExitedWithCode(0), " +2 +[0-9. ]+ recv\n.* +1 +[0-9. ]+ send\n");
}
