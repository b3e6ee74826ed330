// Marshalling primitives, buffers, queues and the registry, without sockets.
#include "NetTestSupport.h"
#include "TOVTestSupport.h"

#include <climits>

using namespace nettest;

namespace {

// A received buffer holding bytes, ready to be read from its beginning.
TOVCOMBuffer* Loaded(const std::string& iBytes) {
  TOVCOMBuffer* buffer = msg_buffer_recv_new();
  EXPECT_EQ(0, msg_buffer_reserve(buffer, static_cast<int>(iBytes.size()) + 1));
  memcpy(buffer->data, iBytes.data(), iBytes.size());
  buffer->size = buffer->pending = static_cast<int>(iBytes.size());
  return buffer;
}

std::string PlainFatal(const std::string& iText) {
  return "#ERR# Fatal internal error at [^\n]+:[0-9]+: " + tovtest::EscapeRegex(iText);
}

} // namespace

TEST(MessagePrimitiveTest, WireFormOfEveryPrimitiveAndReadingItBack) {
  std::string bytes;
  EXPECT_EQ(0, msg_int_put(INT_MIN, StringWriter, &bytes) | msg_int_put(-2, StringWriter, &bytes) |
                   msg_unsigned_put(UINT_MAX, StringWriter, &bytes) |
                   msg_time_put(1700000000, StringWriter, &bytes) |
                   msg_string_put("abc", StringWriter, &bytes) |
                   msg_string_put("ab", StringWriter, &bytes) |
                   msg_string_put(nullptr, StringWriter, &bytes) |
                   msg_text_put("xyzzy", 5, StringWriter, &bytes) |
                   msg_text_put("", 0, StringWriter, &bytes));
  EXPECT_EQ(bytes, Word(0x80000000u) + "\xff\xff\xff\xfe\xff\xff\xff\xff\x65\x53\xf1" +
                       std::string("\0\0\0\0\4abc\0\0\0\0\3ab\0\0\0\0\0\1\0\0\0\0xyzzy\0\0\0", 33));
  // A time beyond 32 bits and a negative text length are refused rather than written wrong.
  EXPECT_EQ(-1, msg_time_put(static_cast<time_t>(INT32_MAX) + 1, StringWriter, &bytes));
  EXPECT_EQ(-1, msg_text_put("x", -1, StringWriter, &bytes));
  EXPECT_EQ(48u, bytes.size());
  // A string of length 0 and one of negative length read back as null.
  TOVCOMBuffer* buffer = Loaded(bytes + Word(0) + Word(uint32_t(-7)));
  char storage[64];
  char* cursor = storage;
  int i, j;
  unsigned u;
  time_t t;
  char *s1, *s2, *s3, *text, *s4, *s5;
  EXPECT_EQ(0, msg_int_get(msg_buffer_read, buffer, &i) | msg_int_get(msg_buffer_read, buffer, &j) |
                   msg_unsigned_get(msg_buffer_read, buffer, &u) |
                   msg_time_get(msg_buffer_read, buffer, &t) |
                   msg_string_get(msg_buffer_read, buffer, &cursor, &s1) |
                   msg_string_get(msg_buffer_read, buffer, &cursor, &s2) |
                   msg_string_get(msg_buffer_read, buffer, &cursor, &s3) |
                   msg_text_get(msg_buffer_read, buffer, 5, &cursor, &text) |
                   msg_string_get(msg_buffer_read, buffer, &cursor, &s4) |
                   msg_string_get(msg_buffer_read, buffer, &cursor, &s5));
  EXPECT_EQ(INT_MIN, i);
  EXPECT_EQ(-2, j);
  EXPECT_EQ(UINT_MAX, u);
  EXPECT_EQ(1700000000, t);
  EXPECT_STREQ("abc", s1);
  EXPECT_STREQ("ab", s2);
  ASSERT_NE(nullptr, s3); // a null string comes back empty, not null
  EXPECT_STREQ("", s3);
  EXPECT_EQ("xyzzy", std::string(text, 5));
  EXPECT_EQ(nullptr, s4);
  EXPECT_EQ(nullptr, s5);
  EXPECT_EQ(storage + 4 + 3 + 1 + 5, cursor);
  EXPECT_EQ(0, buffer->pending);
  EXPECT_EQ(0, buffer->failed);
  // Nothing is left: every read fails and writes nothing.
  i = 42;
  EXPECT_EQ(-1, msg_int_get(msg_buffer_read, buffer, &i));
  EXPECT_EQ(42, i);
  EXPECT_EQ(1, buffer->failed);
  msg_buffer_free(buffer);
  std::string pastBytes;
  time_t past = 0;
  EXPECT_EQ(0, msg_time_put(-86400, StringWriter, &pastBytes));
  buffer = Loaded(pastBytes);
  EXPECT_EQ(0, msg_time_get(msg_buffer_read, buffer, &past));
  EXPECT_EQ(-86400, past);
  msg_buffer_free(buffer);
}

TEST(MessagePrimitiveTest, LengthsPastTheBodyAreRefusedWithoutWritingBeyond) {
  // Lengths that run past the body, a string without its zero byte, a text without its
  // padding and a negative text length.
  for (const std::string& body : {Word(0x7fffffff) + "abcd", Word(9) + "abcdefgh", Word(4) + "abcd",
                                  Word(3) + std::string("ab\0", 3) /* no padding */}) {
    TOVCOMBuffer* buffer = Loaded(body);
    char small[16];
    memset(small, '#', sizeof small);
    char *cursor = small, *s;
    EXPECT_EQ(-1, msg_string_get(msg_buffer_read, buffer, &cursor, &s)) << body.size();
    EXPECT_EQ(nullptr, s);
    EXPECT_EQ(small, cursor);
    msg_buffer_free(buffer);
  }
  TOVCOMBuffer* buffer = Loaded("abcdef");
  char storage[16];
  char *cursor = storage, *text;
  EXPECT_EQ(-1, msg_text_get(msg_buffer_read, buffer, 6, &cursor, &text)); // padding missing
  EXPECT_EQ(-1, msg_text_get(msg_buffer_read, buffer, -1, &cursor, &text));
  EXPECT_EQ(nullptr, text);
  msg_buffer_free(buffer);
}

TEST(MessageBufferTest, SendBufferGrowsByWholeBlocksAndQueuesAreFirstInFirstOut) {
  TOVCOMBuffer* buffer = msg_buffer_send_new();
  EXPECT_EQ(65536, buffer->size);
  std::string block(70000, 'q');
  EXPECT_EQ(0, msg_buffer_write(buffer, 8, "12345678"));
  EXPECT_EQ(0, msg_buffer_write(buffer, static_cast<int>(block.size()), block.data()));
  EXPECT_EQ(196608, buffer->size); // (65536 + 70000) rounded up to a multiple of 65536
  EXPECT_EQ(70008, buffer->pending);
  EXPECT_EQ(0, memcmp(buffer->data, "12345678", 8));
  EXPECT_EQ('q', buffer->data[70007]);
  EXPECT_EQ(-1, msg_buffer_write(buffer, INT_MAX, block.data())); // past 2 GiB
  EXPECT_EQ(70008, buffer->pending);

  TOVCOMQueue queue{0, nullptr, nullptr};
  EXPECT_EQ(nullptr, msg_queue_remove(&queue));
  TOVCOMBuffer* other = msg_buffer_recv_new();
  msg_queue_append(&queue, buffer);
  msg_queue_append(&queue, other);
  EXPECT_EQ(2, queue.count);
  EXPECT_EQ(buffer, msg_queue_remove(&queue));
  EXPECT_EQ(other, queue.first);
  EXPECT_EQ(other, queue.last);
  msg_queue_append(&queue, buffer);
  msg_queue_clear(&queue);
  EXPECT_EQ(0, queue.count);
  EXPECT_EQ(nullptr, queue.first);
  EXPECT_EQ(nullptr, queue.last);
}

TEST(MessageRegistryTest, MaximumLengthIsSetAndRestored) {
  EXPECT_EQ(TOV_MSG_DEFAULT_MAX_LENGTH, msg_set_max_length(1000));
  EXPECT_EQ(1000u, msg_set_max_length(size_t(1) << 40));
  EXPECT_EQ(size_t(INT_MAX), msg_set_max_length(0));
  EXPECT_EQ(TOV_MSG_DEFAULT_MAX_LENGTH, msg_set_max_length(0));
}

TEST(MessageRegistryDeathTest, WrongTypesStopTheProcess) {
  EXPECT_DEATH(msg_register(11, GetAllKinds, PutAllKinds), PlainFatal("Wrong message type (11)"));
  EXPECT_DEATH(msg_register(-1, nullptr, nullptr), PlainFatal("Wrong message type (-1)"));
  TOVCOMConnection connection{-1, {0, nullptr, nullptr}, {0, nullptr, nullptr}, nullptr};
  msg_register(7, GetAllKinds, nullptr);
  int message[2] = {7, 0};
  EXPECT_DEATH(msg_send(message, &connection, 1),
               PlainFatal("Undefined converter for output message type 7"));
  message[0] = 12;
  EXPECT_DEATH(msg_send(message, &connection, 0),
               PlainFatal("Undefined converter for output message type 12"));
}
