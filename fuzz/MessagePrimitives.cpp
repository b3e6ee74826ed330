// Reads arbitrary bytes with the message primitives over the library's buffer reader. The
// first byte picks the primitive (int, unsigned, time, string, or text whose length is the
// first byte divided by 5); the rest is read item after item until a read fails. Each
// item read must stay within the body and the caller's storage, and writing it back with
// the matching primitive must give the bytes it came from (padding aside, as it is not
// checked on reading).
#include "TOVCOMMessage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    fprintf(stderr, "Primitive invariant broken: %s\n", what);
    abort();
  }
}

int Collect(void* iContext, int iLength, const void* iSource) {
  static_cast<std::string*>(iContext)->append(static_cast<const char*>(iSource),
                                              static_cast<size_t>(iLength));
  return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0)
    return 0;
  int kind = data[0] % 5, textLength = data[0] / 5;
  const char* body = reinterpret_cast<const char*>(data + 1);
  int bodyLength = static_cast<int>(size - 1);
  TOVCOMBuffer* buffer = msg_buffer_recv_new();
  if (msg_buffer_reserve(buffer, bodyLength + 1) < 0)
    abort();
  memcpy(buffer->data, body, static_cast<size_t>(bodyLength));
  buffer->size = buffer->pending = bodyLength;
  char* storage = static_cast<char*>(malloc(static_cast<size_t>(bodyLength) + 1));
  char* cursor = storage;
  for (;;) {
    int before = buffer->size - buffer->pending;
    char* cursorBefore = cursor;
    std::string again;
    int compared = 0; // bytes of the item that must come back the same
    int ok;
    if (kind == 0) {
      int value;
      ok = msg_int_get(msg_buffer_read, buffer, &value);
      if (ok == 0)
        msg_int_put(value, Collect, &again), compared = 4;
    } else if (kind == 1) {
      unsigned int value;
      ok = msg_unsigned_get(msg_buffer_read, buffer, &value);
      if (ok == 0)
        msg_unsigned_put(value, Collect, &again), compared = 4;
    } else if (kind == 2) {
      time_t value;
      ok = msg_time_get(msg_buffer_read, buffer, &value);
      if (ok == 0)
        Check(msg_time_put(value, Collect, &again) == 0, "time read cannot be written"),
            compared = 4;
    } else if (kind == 3) {
      char* text;
      ok = msg_string_get(msg_buffer_read, buffer, &cursor, &text);
      if (ok == 0 && text != nullptr) {
        Check(text == cursorBefore, "string not at the cursor");
        size_t length = strlen(text) + 1;
        Check(cursor - cursorBefore >= static_cast<long>(length), "string beyond its bytes");
        Check(cursor <= storage + bodyLength, "string beyond the storage");
        if (cursor - cursorBefore == static_cast<long>(length)) {
          msg_string_put(text, Collect, &again);
          compared = 4 + static_cast<int>(length);
        }
      } else if (ok == 0) {
        Check(cursor == cursorBefore, "null string moved the cursor");
      } else {
        Check(text == nullptr, "failed string not null");
      }
    } else {
      char* text;
      ok = msg_text_get(msg_buffer_read, buffer, textLength, &cursor, &text);
      if (ok == 0) {
        Check(cursor == cursorBefore + textLength && cursor <= storage + bodyLength,
              "text beyond the storage");
        msg_text_put(text, textLength, Collect, &again);
        compared = textLength;
      }
    }
    int after = buffer->size - buffer->pending;
    Check(after >= before && after <= bodyLength, "read position outside the body");
    if (ok != 0)
      break;
    Check(after > before || (kind == 4 && textLength == 0), "a read that consumed nothing");
    Check(static_cast<int>(again.size()) >= compared &&
              memcmp(again.data(), body + before, static_cast<size_t>(compared)) == 0,
          "item written back differs from its bytes");
    if (after == before)
      break;
  }
  free(storage);
  msg_buffer_free(buffer);
  return 0;
}
