// Feeds arbitrary bytes to a connection as if a peer had sent them, and receives until the
// peer's end: the frame decoder must refuse what is not a valid frame, never read or
// write out of bounds, and hand on only complete messages of registered types whose
// strings end within their storage.
#include "MORError.h"
#include "TOVCBErrorProcessing.h"
#include "TOVCOMMessage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A message of every primitive, its storage after it in one block.
struct Sample {
  int type;
  int number;
  unsigned int count;
  time_t stamp;
  char* name;
  int textLength;
  char* text;
  size_t storage;
};

void Check(bool condition, const char* what) {
  if (!condition) {
    fprintf(stderr, "Frame decoder invariant broken: %s\n", what);
    abort();
  }
}

void* GetSample(int iBodyLength, msg_reader iReader, void* iContext) {
  Check(iBodyLength >= 0, "negative body length");
  auto* m = static_cast<Sample*>(calloc(1, sizeof(Sample) + iBodyLength));
  m->storage = static_cast<size_t>(iBodyLength);
  char* cursor = reinterpret_cast<char*>(m + 1);
  if (msg_int_get(iReader, iContext, &m->number) < 0 ||
      msg_unsigned_get(iReader, iContext, &m->count) < 0 ||
      msg_time_get(iReader, iContext, &m->stamp) < 0 ||
      msg_string_get(iReader, iContext, &cursor, &m->name) < 0 ||
      msg_int_get(iReader, iContext, &m->textLength) < 0 ||
      msg_text_get(iReader, iContext, m->textLength, &cursor, &m->text) < 0) {
    free(m);
    return nullptr;
  }
  return m;
}

// A converter that reads more than it is given whenever the body allows it to try.
void* GetGreedy(int iBodyLength, msg_reader iReader, void* iContext) {
  char scratch[64];
  if (iReader(iContext, iBodyLength < 60 ? iBodyLength + 4 : 64, scratch) < 0)
    return nullptr;
  return calloc(1, sizeof(Sample));
}

int Delivered = 0;

void Handle(void* iMessage, void*) {
  auto* m = static_cast<Sample*>(iMessage);
  Check(m->type == 1 || m->type == 3, "message of a type without converter");
  if (m->type == 1) {
    const char* storage = reinterpret_cast<const char*>(m + 1);
    if (m->name != nullptr)
      Check(m->name >= storage && memchr(m->name, 0, storage + m->storage - m->name) != nullptr,
            "string not ended within its storage");
    Check(m->text != nullptr && m->textLength >= 0 &&
              m->text + m->textLength <= storage + m->storage,
          "text beyond its storage");
  }
  ++Delivered;
  free(m);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool started = [] {
    ErrorProcessingStart();
    msg_register(1, GetSample, nullptr);
    msg_register(3, GetGreedy, nullptr);
    return true;
  }();
  (void)started;
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0)
    abort();
  // The input fits in the socket's buffer (libFuzzer's inputs stay small).
  if (size > 0 && send(ends[1], data, size, MSG_NOSIGNAL) != static_cast<ssize_t>(size))
    abort();
  shutdown(ends[1], SHUT_WR);
  TOVCOMConnection connection{ends[0], {0, nullptr, nullptr}, {0, nullptr, nullptr}, Handle};
  int result, rounds = 0;
  while ((result = msg_recv(&connection, nullptr, 1)) > 0)
    Check(++rounds <= static_cast<int>(size), "more messages than bytes");
  Check(connection.input.count == 0, "receive buffer left behind");
  msg_queue_clear(&connection.input);
  close(ends[0]);
  close(ends[1]);
  MORCleanLastError();
  return 0;
}
