// tovmsgclient HOST PORT WORD...: sends each word as a text message, then the lengths of
// the words as numbers, and prints the server's answers.
#include "EchoMessages.h"
#include "TOVCBErrorProcessing.h"
#include "TOVCOMNet.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void PrintAnswer(void* iMessage, void*) {
  int type = *static_cast<int*>(iMessage);
  if (type == TextType) {
    printf("text: %s\n", static_cast<TextMessage*>(iMessage)->text);
  } else if (type == SumType) {
    auto* sum = static_cast<SumMessage*>(iMessage);
    printf("sum of %d numbers: %d\n", sum->count, sum->total);
  }
  free(iMessage);
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: tovmsgclient HOST PORT WORD...\n");
    return 2;
  }
  if (!StartEchoMessages())
    return 1;
  TOVCOMConnection* server = msg_clnt_start(argv[1], atoi(argv[2]), PrintAnswer);
  if (server == nullptr) {
    err_display();
    net_stop();
    return 1;
  }
  int status = 0;
  std::vector<int> lengths;
  for (int i = 3; i < argc && status == 0; ++i) {
    TextMessage text{TextType, argv[i]};
    lengths.push_back(static_cast<int>(strlen(argv[i])));
    if (msg_send(&text, server, 1) < 0 || msg_recv(server, nullptr, 1) <= 0)
      status = 1;
  }
  NumbersMessage numbers{NumbersType, static_cast<int>(lengths.size()), lengths.data()};
  if (status == 0 && (msg_send(&numbers, server, 1) < 0 || msg_recv(server, nullptr, 1) <= 0))
    status = 1;
  if (status != 0)
    err_display();
  msg_clnt_stop(server);
  net_stop();
  return status;
}
