// A server built on the library facing peers that send garbage, cut frames short, or
// announce frames far larger than any it accepts: it survives them all and goes on
// serving a client that follows the protocol.
#include "NetTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <poll.h>
#include <random>
#include <thread>

using namespace nettest;

namespace {

struct Server {
  int listener = -1;
  std::vector<TOVCOMConnection*> connections;
  Received received;
  int failures = 0; // steps that gave -1
  std::atomic<int> accepted{0};
};

Server* Current = nullptr;

// Echoes each message to its sender, the user data.
void Echo(void* iMessage, void* iConnection) {
  msg_send(iMessage, static_cast<TOVCOMConnection*>(iConnection), 1);
  KeepAllKinds(iMessage, &Current->received);
}

// One round of the server's event loop: accepts new clients, runs one receive step on each
// ready connection, and closes those that ended or failed.
void Serve(Server& ioServer, int iTimeout) {
  std::vector<pollfd> watched{{ioServer.listener, POLLIN, 0}};
  for (TOVCOMConnection* connection : ioServer.connections)
    watched.push_back({connection->socket, POLLIN, 0});
  if (poll(watched.data(), watched.size(), iTimeout) <= 0)
    return;
  std::vector<TOVCOMConnection*> kept;
  for (size_t i = 1; i < watched.size(); ++i) {
    TOVCOMConnection* connection = ioServer.connections[i - 1];
    int result = 1;
    if (watched[i].revents != 0) {
      result = msg_recv_process(connection, connection);
      if (result < 0)
        ++ioServer.failures;
      if (result > 0 && connection->input.count == 0)
        msg_recv(connection, nullptr, 0);
    }
    if (result <= 0) {
      msg_srv_close(connection);
      MORCleanLastError();
    } else {
      kept.push_back(connection);
    }
  }
  ioServer.connections = kept;
  if (watched[0].revents != 0) {
    TOVCOMConnection* connection = msg_srv_open(ioServer.listener, Echo);
    if (connection != nullptr) {
      ++ioServer.accepted;
      msg_recv(connection, nullptr, 0);
      ioServer.connections.push_back(connection);
    }
  }
}

// An AllKinds body exactly as the server writes it back.
const std::string GoodBody =
    Word(1) + Word(2) + Word(3) + Word(2) + std::string("a\0\0\0", 4) + Word(1) + Word(0) + Word(0);

} // namespace

TEST(HostilePeerTest, ServerSurvivesGarbageAndKeepsServing) {
  ErrorProcessingStart();
  for (int type = 0; type < TOV_MSG_TYPE_COUNT; ++type)
    msg_register(type, nullptr, nullptr);
  msg_register(AllKindsType, GetAllKinds, PutAllKinds);
  Server server;
  Current = &server;
  int port = FreePort();
  server.listener = msg_srv_start(&port);
  ASSERT_GE(server.listener, 0);
  std::atomic<bool> done{false};
  std::atomic<int> goodAnswers{0};
  int peers = 0;

  std::thread hostile([&] {
    std::mt19937 random(12345);
    auto bytes = [&](size_t length) {
      std::string made(length, '\0');
      for (char& c : made)
        c = static_cast<char>(random() & 0xff);
      return made;
    };
    auto send = [&](const std::string& bytes) {
      int s = RawConnect(port);
      if (s < 0)
        return;
      // A few connections ahead of the server at most, so the backlog never overflows.
      ++peers;
      while (peers - server.accepted > 8)
        std::this_thread::yield();
      SendAll(s, bytes);
      close(s);
    };
    for (int round = 0; round < 600; ++round) {
      // Pure garbage of any length; a plausible header and random body, cut anywhere.
      send(bytes(random() % 64));
      std::string frame = Frame(static_cast<int>(random() % 12), bytes(random() % 48));
      send(frame.substr(0, random() % (frame.size() + 1)));
      // A valid frame mutated in one byte, several frames on one connection.
      std::string good = Frame(AllKindsType, GoodBody);
      good[random() % good.size()] = bytes(1)[0];
      send(good + good + Frame(AllKindsType, GoodBody));
    }
    // Closing mid-header and mid-body, announcing 2 GiB and a negative length.
    send(std::string("\0\0\0\4\0\0", 6));
    send(Word(AllKindsType) + Word(1000) + std::string(100, 'x'));
    send(Word(AllKindsType) + Word(0x7fffffff) + std::string(4096, 'x'));
    send(Word(AllKindsType) + Word(0xfffffff0u));
    // Then a client that follows the protocol gets its answers.
    int s = RawConnect(port);
    for (int i = 0; i < 10; ++i) {
      std::string frame = Frame(AllKindsType, GoodBody);
      if (SendAll(s, frame) && RecvAll(s, frame.size()) == frame)
        ++goodAnswers;
    }
    close(s);
    done = true;
  });
  while (!done || !server.connections.empty())
    Serve(server, 20);
  hostile.join();

  EXPECT_EQ(10, goodAnswers);
  EXPECT_EQ(peers + 1, server.accepted);
  EXPECT_GT(server.failures, 600); // most frames were refused
  EXPECT_GE(server.received.messages.size(), 10u);
  msg_srv_stop(server.listener);
  MORCleanLastError();
}
