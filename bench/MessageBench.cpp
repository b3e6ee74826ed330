// The message layer on loopback against plain send and recv of the same bytes: 64 KiB
// messages on one connection, 16-byte messages pipelined with the non-waiting calls, and
// one server answering 100 clients of 1000 messages each. The receiving side runs in a
// child process, as a peer program would.
#include "TOVCBErrorProcessing.h"
#include "TOVCOMMessage.h"
#include "TOVCOMNet.h"
#include "TOVFreePort.h"

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const int BlockType = 0; // a text of known length
const int PairType = 1;  // two ints: a 16-byte frame
const int AckType = 2;   // an empty answer

const int KiB64 = 64 * 1024;
const int Batch = 64;                    // 64 KiB messages per acknowledgement
const int PipelineBatch = 1000;          // 16-byte messages per acknowledgement
const size_t PlainFrame = 8 + 4 + KiB64; // a 64 KiB block's frame: header, length, text

struct Block {
  int type;
  int length;
  char* bytes;
};

struct Pair {
  int type;
  int first, second;
};

int PutBlock(void* iMessage, msg_writer iWriter, void* iContext) {
  auto* block = static_cast<Block*>(iMessage);
  if (msg_int_put(block->length, iWriter, iContext) < 0)
    return -1;
  return msg_text_put(block->bytes, block->length, iWriter, iContext);
}

void* GetBlock(int iBodyLength, msg_reader iReader, void* iContext) {
  auto* block = static_cast<Block*>(malloc(sizeof(Block) + iBodyLength));
  char* cursor = reinterpret_cast<char*>(block + 1);
  if (msg_int_get(iReader, iContext, &block->length) < 0 ||
      msg_text_get(iReader, iContext, block->length, &cursor, &block->bytes) < 0) {
    free(block);
    return nullptr;
  }
  return block;
}

int PutPair(void* iMessage, msg_writer iWriter, void* iContext) {
  auto* pair = static_cast<Pair*>(iMessage);
  return msg_int_put(pair->first, iWriter, iContext) < 0 ||
                 msg_int_put(pair->second, iWriter, iContext) < 0
             ? -1
             : 0;
}

void* GetPair(int, msg_reader iReader, void* iContext) {
  auto* pair = static_cast<Pair*>(malloc(sizeof(Pair)));
  if (msg_int_get(iReader, iContext, &pair->first) < 0 ||
      msg_int_get(iReader, iContext, &pair->second) < 0) {
    free(pair);
    return nullptr;
  }
  return pair;
}

int PutNothing(void*, msg_writer, void*) {
  return 0;
}

void* GetNothing(int, msg_reader, void*) {
  return malloc(sizeof(int));
}

void Register() {
  static bool done = [] {
    ErrorProcessingStart();
    net_start();
    msg_register(BlockType, GetBlock, PutBlock);
    msg_register(PairType, GetPair, PutPair);
    msg_register(AckType, GetNothing, PutNothing);
    return true;
  }();
  (void)done;
}

// A child process that runs serve on each connection it accepts on a fresh port, until
// told to stop by the destructor.
struct Peer {
  pid_t pid = -1;
  int port = 0;
  template <class Serve> explicit Peer(Serve serve) {
    Register();
    port = FreePort();
    int listener = msg_srv_start(&port);
    pid = fork();
    if (pid == 0) {
      serve(listener);
      _exit(0);
    }
    close(listener); // not msg_srv_stop: its shutdown would stop the child's socket too
  }
  // Ends the child (which may have ended by itself) and gives the processor time it used,
  // in seconds.
  double Stop() {
    if (pid < 0)
      return 0;
    kill(pid, SIGTERM);
    rusage usage{};
    wait4(pid, nullptr, 0, &usage);
    pid = -1;
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  }
  // The peer's processor time per iteration, beside the benchmark's own.
  void Report(benchmark::State& state) {
    state.counters["peerCPU"] = benchmark::Counter(Stop(), benchmark::Counter::kAvgIterations);
  }
  ~Peer() { Stop(); }
};

// A plain socket connected to the loopback port, frames sent at once as the library does.
int PlainConnect(int iPort) {
  int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(iPort));
  connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  int on = 1;
  setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  return s;
}

// Answers every Batch-th message of a connection with an acknowledgement (the library's
// side, blocking).
void LibraryAcknowledger(int iListener, int iEvery) {
  TOVCOMConnection* connection = msg_srv_open(iListener, [](void* iMessage, void* iState) {
    free(iMessage);
    auto* state = static_cast<std::pair<TOVCOMConnection*, int>*>(iState);
    static int received = 0;
    if (++received % state->second == 0) {
      int ack = AckType;
      msg_send(&ack, state->first, 1);
    }
  });
  std::pair<TOVCOMConnection*, int> state(connection, iEvery);
  if (iEvery == PipelineBatch) {
    // The event-loop way: one receive queued, one step per call.
    msg_recv(connection, &state, 0);
    for (;;) {
      int result = msg_recv_process(connection, &state);
      if (result <= 0)
        break;
      if (connection->input.count == 0)
        msg_recv(connection, &state, 0);
    }
  } else {
    while (msg_recv(connection, &state, 1) > 0) {
    }
  }
  msg_srv_close(connection);
}

std::string Bytes(int iLength) {
  std::string bytes(static_cast<size_t>(iLength), '\0');
  for (int i = 0; i < iLength; ++i)
    bytes[static_cast<size_t>(i)] = static_cast<char>('a' + i % 26);
  return bytes;
}

long PeakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void Messages64KiB(benchmark::State& state) {
  Peer peer([](int iListener) { LibraryAcknowledger(iListener, Batch); });
  TOVCOMConnection* connection =
      msg_clnt_start("127.0.0.1", peer.port, [](void* m, void*) { free(m); });
  std::string bytes = Bytes(KiB64);
  Block block{BlockType, KiB64, &bytes[0]};
  for (auto _ : state) {
    for (int i = 0; i < Batch; ++i)
      msg_send(&block, connection, 1);
    msg_recv(connection, nullptr, 1);
  }
  state.SetBytesProcessed(state.iterations() * Batch * KiB64);
  state.counters["peakKiB"] = static_cast<double>(PeakKiB());
  msg_clnt_stop(connection);
  peer.Report(state);
}
BENCHMARK(Messages64KiB)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same bytes (frame header and length word included) with plain send and recv.
void PlainSendRecv64KiB(benchmark::State& state) {
  Peer peer([](int iListener) {
    const size_t frame = PlainFrame;
    int s = accept(iListener, nullptr, nullptr);
    int on = 1;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    std::vector<char> buffer(frame);
    for (;;) {
      for (int i = 0; i < Batch; ++i)
        for (size_t done = 0; done < frame;) {
          ssize_t n = recv(s, buffer.data() + done, frame - done, 0);
          if (n <= 0)
            return;
          done += static_cast<size_t>(n);
        }
      char ack[8] = {};
      send(s, ack, sizeof ack, 0);
    }
  });
  const size_t frame = PlainFrame;
  int s = PlainConnect(peer.port);
  std::string bytes = Bytes(static_cast<int>(frame));
  for (auto _ : state) {
    for (int i = 0; i < Batch; ++i)
      for (size_t done = 0; done < frame;)
        done += static_cast<size_t>(send(s, bytes.data() + done, frame - done, 0));
    char ack[8];
    recv(s, ack, sizeof ack, MSG_WAITALL);
  }
  state.SetBytesProcessed(state.iterations() * Batch * KiB64);
  state.counters["peakKiB"] = static_cast<double>(PeakKiB());
  close(s);
  peer.Report(state);
}
BENCHMARK(PlainSendRecv64KiB)->Unit(benchmark::kMillisecond)->UseRealTime();

// 16-byte frames queued with msg_send(..., 0) and sent by msg_send_process steps; the peer
// receives them step by step.
void Pipelined16Bytes(benchmark::State& state) {
  Peer peer([](int iListener) { LibraryAcknowledger(iListener, PipelineBatch); });
  TOVCOMConnection* connection =
      msg_clnt_start("127.0.0.1", peer.port, [](void* m, void*) { free(m); });
  Pair pair{PairType, 1, 2};
  for (auto _ : state) {
    for (int i = 0; i < PipelineBatch; ++i)
      msg_send(&pair, connection, 0);
    while (connection->output.count > 0)
      msg_send_process(connection);
    msg_recv(connection, nullptr, 1);
  }
  state.SetItemsProcessed(state.iterations() * PipelineBatch);
  msg_clnt_stop(connection);
  peer.Report(state);
}
BENCHMARK(Pipelined16Bytes)->Unit(benchmark::kMillisecond)->UseRealTime();

// A server process with an event loop answering every message of every client.
void AnsweringServer(int iListener) {
  std::vector<TOVCOMConnection*> clients;
  auto answer = [](void* iMessage, void* iConnection) {
    msg_send(iMessage, static_cast<TOVCOMConnection*>(iConnection), 1);
    free(iMessage);
  };
  for (;;) {
    std::vector<pollfd> ready{{iListener, POLLIN, 0}};
    for (TOVCOMConnection* client : clients)
      ready.push_back({client->socket, POLLIN, 0});
    if (poll(ready.data(), ready.size(), -1) < 0)
      return;
    std::vector<TOVCOMConnection*> open;
    for (size_t i = 1; i < ready.size(); ++i) {
      TOVCOMConnection* client = clients[i - 1];
      int result = ready[i].revents != 0 ? msg_recv_process(client, client) : 1;
      if (result > 0 && client->input.count == 0)
        msg_recv(client, client, 0);
      if (result > 0)
        open.push_back(client);
      else
        msg_srv_close(client);
    }
    clients = open;
    // Every client waiting in the backlog is taken at once, so that none waits for a
    // retried connection request.
    pollfd listener{iListener, POLLIN, 0};
    for (short events = ready[0].revents; events != 0;
         events = poll(&listener, 1, 0) > 0 ? listener.revents : 0) {
      TOVCOMConnection* client = msg_srv_open(iListener, answer);
      msg_recv(client, client, 0);
      clients.push_back(client);
    }
  }
}

// 100 clients connected at once each send 1000 messages, then read their 1000 answers.
void HundredClientsThousandMessages(benchmark::State& state) {
  const int clientCount = 100, messageCount = 1000;
  Peer peer(AnsweringServer);
  long answered = 0;
  for (auto _ : state) {
    std::vector<TOVCOMConnection*> clients;
    for (int c = 0; c < clientCount; ++c)
      clients.push_back(msg_clnt_start("127.0.0.1", peer.port, [](void* m, void* count) {
        ++*static_cast<long*>(count);
        free(m);
      }));
    for (TOVCOMConnection* client : clients) {
      for (int m = 0; m < messageCount; ++m) {
        Pair pair{PairType, m, 0};
        msg_send(&pair, client, 0);
      }
      while (client->output.count > 0)
        msg_send_process(client);
    }
    for (TOVCOMConnection* client : clients)
      for (int m = 0; m < messageCount; ++m)
        msg_recv(client, &answered, 1);
    for (TOVCOMConnection* client : clients)
      msg_clnt_stop(client);
  }
  if (answered != state.iterations() * clientCount * messageCount)
    state.SkipWithError("answers lost");
  state.SetItemsProcessed(answered);
  peer.Report(state);
}
BENCHMARK(HundredClientsThousandMessages)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
