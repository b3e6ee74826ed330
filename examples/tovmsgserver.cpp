// tovmsgserver PORT [CLIENTS]: answers every message of its clients. A text comes back in
// capitals, numbers come back as their sum. PORT -1 takes the first free port from 23400,
// 0 takes 23400. With CLIENTS, the server stops once that many clients have left.
#include "EchoMessages.h"
#include "TOVCBErrorProcessing.h"
#include "TOVCOMNet.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <vector>

namespace {

void Answer(void* iMessage, void* iConnection) {
  auto* connection = static_cast<TOVCOMConnection*>(iConnection);
  int type = *static_cast<int*>(iMessage);
  if (type == TextType) {
    auto* text = static_cast<TextMessage*>(iMessage);
    for (char* c = text->text; c != nullptr && *c != '\0'; ++c)
      *c = static_cast<char>(toupper(static_cast<unsigned char>(*c)));
    msg_send(text, connection, 0);
  } else if (type == NumbersType) {
    auto* numbers = static_cast<NumbersMessage*>(iMessage);
    SumMessage sum{SumType, numbers->count, 0, time(nullptr)};
    for (int i = 0; i < numbers->count; ++i)
      sum.total += numbers->values[i];
    msg_send(&sum, connection, 0);
  }
  free(iMessage);
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: tovmsgserver PORT [CLIENTS]\n");
    return 2;
  }
  if (!StartEchoMessages())
    return 1;
  int port = atoi(argv[1]);
  int clientsToServe = argc > 2 ? atoi(argv[2]) : 0;
  int listener = msg_srv_start(&port);
  if (listener < 0) {
    err_display();
    return 1;
  }
  printf("tovmsgserver: listening on port %d\n", port);
  fflush(stdout);

  // The event loop: one receive step for each connection with data, and the answers
  // queued by the handler sent before the next wait.
  std::vector<TOVCOMConnection*> clients;
  int served = 0;
  while (clientsToServe == 0 || served < clientsToServe) {
    std::vector<pollfd> ready{{listener, POLLIN, 0}};
    for (TOVCOMConnection* client : clients)
      ready.push_back({client->socket, POLLIN, 0});
    if (poll(ready.data(), ready.size(), -1) < 0)
      break;
    std::vector<TOVCOMConnection*> open;
    for (size_t i = 1; i < ready.size(); ++i) {
      TOVCOMConnection* client = clients[i - 1];
      int result = 1;
      if (ready[i].revents != 0) {
        result = msg_recv_process(client, client);
        if (result > 0 && client->input.count == 0)
          msg_recv(client, client, 0);
        while (result > 0 && client->output.count > 0)
          result = msg_send_process(client) == 0 ? 1 : -1;
      }
      if (result > 0) {
        open.push_back(client);
        continue;
      }
      if (result < 0)
        err_display(); // a broken connection or a frame that is not ours
      msg_srv_close(client);
      ++served;
    }
    clients = open;
    if (ready[0].revents != 0) {
      TOVCOMConnection* client = msg_srv_open(listener, Answer);
      if (client == nullptr) {
        err_display();
        continue;
      }
      msg_recv(client, client, 0);
      clients.push_back(client);
    }
  }
  for (TOVCOMConnection* client : clients)
    msg_srv_close(client);
  msg_srv_stop(listener);
  net_stop();
  printf("tovmsgserver: served %d clients\n", served);
  return 0;
}
