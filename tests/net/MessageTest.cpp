// Marshalling primitives, buffers, queues and the registry, without sockets.
#include "NetTestSupport.h"
#include "TOVTestSupport.h"

#include <climits>

using namespace nettest;

namespace {

// The bytes that one primitive call writes.
template <class Put> std::string Written(Put put) {
  std::string bytes;
  EXPECT_EQ(0, put(StringWriter, &bytes));
  return bytes;
}

// A received buffer holding bytes, ready to be read from its beginning.
TOVCOMBuffer* Loaded(const std::string& iBytes) {
  TOVCOMBuffer* buffer = msg_buffer_recv_new();
  EXPECT_EQ(0, msg_buffer_reserve(buffer, static_cast<int>(iBytes.size()) + 1));
  memcpy(buffer->data, iBytes.data(), iBytes.size());
  buffer->size = buffer->pending = static_cast<int>(iBytes.size());
  return buffer;
}

// The regular expression of a fatal line of the plain layer.
std::string PlainFatal(const std::string& iText) {
  return "#ERR# Fatal internal error at [^\n]+:[0-9]+: " + tovtest::EscapeRegex(iText);
}

const std::string Pad1(1, '\0'), Pad3(3, '\0');

} // namespace

TEST(MessagePrimitiveTest, WireFormOfEveryPrimitive) {
  using std::string;
  EXPECT_EQ(string("\0\0\0\1", 4),
            Written([](msg_writer w, void* c) { return msg_int_put(1, w, c); }));
  EXPECT_EQ("\xff\xff\xff\xfe",
            Written([](msg_writer w, void* c) { return msg_int_put(-2, w, c); }));
  EXPECT_EQ(string("\x80\0\0\0", 4),
            Written([](msg_writer w, void* c) { return msg_unsigned_put(0x80000000u, w, c); }));
  EXPECT_EQ(string("\x65\x53\xf1\x00", 4),
            Written([](msg_writer w, void* c) { return msg_time_put(1700000000, w, c); }));
  EXPECT_EQ(string("\0\0\0\4abc\0", 8),
            Written([](msg_writer w, void* c) { return msg_string_put("abc", w, c); }));
  EXPECT_EQ(string("\0\0\0\3ab\0", 7) + Pad1,
            Written([](msg_writer w, void* c) { return msg_string_put("ab", w, c); }));
  EXPECT_EQ(string("\0\0\0\1", 4) + string(4, '\0'),
            Written([](msg_writer w, void* c) { return msg_string_put(nullptr, w, c); }));
  EXPECT_EQ("xyzzy" + Pad3,
            Written([](msg_writer w, void* c) { return msg_text_put("xyzzy", 5, w, c); }));
  EXPECT_EQ("", Written([](msg_writer w, void* c) { return msg_text_put("", 0, w, c); }));
  // A time beyond 32 bits is refused rather than written wrong.
  std::string bytes;
  EXPECT_EQ(-1, msg_time_put(static_cast<time_t>(INT32_MAX) + 1, StringWriter, &bytes));
  EXPECT_EQ(-1, msg_text_put("x", -1, StringWriter, &bytes));
  EXPECT_EQ("", bytes);
}

TEST(MessagePrimitiveTest, ReadingBackAndRefusingWhatIsNotThere) {
  std::string bytes;
  msg_int_put(INT_MIN, StringWriter, &bytes);
  msg_unsigned_put(UINT_MAX, StringWriter, &bytes);
  msg_time_put(-86400, StringWriter, &bytes);
  msg_string_put("ab", StringWriter, &bytes);
  msg_string_put(nullptr, StringWriter, &bytes);
  msg_text_put("hello", 5, StringWriter, &bytes);
  bytes += Word(0);            // a string of length 0: null, nothing after it is read
  bytes += Word(uint32_t(-7)); // a negative length: null as well
  TOVCOMBuffer* buffer = Loaded(bytes);
  char storage[64];
  char* cursor = storage;
  int i;
  unsigned u;
  time_t t;
  char *s1, *s2, *text, *s3, *s4;
  EXPECT_EQ(0, msg_int_get(msg_buffer_read, buffer, &i));
  EXPECT_EQ(0, msg_unsigned_get(msg_buffer_read, buffer, &u));
  EXPECT_EQ(0, msg_time_get(msg_buffer_read, buffer, &t));
  EXPECT_EQ(0, msg_string_get(msg_buffer_read, buffer, &cursor, &s1));
  EXPECT_EQ(0, msg_string_get(msg_buffer_read, buffer, &cursor, &s2));
  EXPECT_EQ(0, msg_text_get(msg_buffer_read, buffer, 5, &cursor, &text));
  EXPECT_EQ(0, msg_string_get(msg_buffer_read, buffer, &cursor, &s3));
  EXPECT_EQ(0, msg_string_get(msg_buffer_read, buffer, &cursor, &s4));
  EXPECT_EQ(INT_MIN, i);
  EXPECT_EQ(UINT_MAX, u);
  EXPECT_EQ(-86400, t);
  EXPECT_STREQ("ab", s1);
  ASSERT_NE(nullptr, s2); // a null string comes back empty, not null
  EXPECT_STREQ("", s2);
  EXPECT_EQ("hello", std::string(text, 5));
  EXPECT_EQ(nullptr, s3);
  EXPECT_EQ(nullptr, s4);
  EXPECT_EQ(storage + 3 + 1 + 5, cursor);
  EXPECT_EQ(0, buffer->pending);
  EXPECT_EQ(0, buffer->failed);
  // Nothing is left: every read fails and writes nothing.
  i = 42;
  EXPECT_EQ(-1, msg_int_get(msg_buffer_read, buffer, &i));
  EXPECT_EQ(42, i);
  EXPECT_EQ(1, buffer->failed);
  msg_buffer_free(buffer);

  // Lengths that run past the body, a string without its zero byte, a text without its
  // padding and a negative text length are refused without touching the storage beyond.
  for (const std::string& body : {Word(0x7fffffff) + "abcd", Word(9) + "abcdefgh", Word(4) + "abcd",
                                  Word(3) + std::string("ab\0", 3) /* no padding */}) {
    buffer = Loaded(body);
    char small[16];
    memset(small, '#', sizeof small);
    cursor = small;
    EXPECT_EQ(-1, msg_string_get(msg_buffer_read, buffer, &cursor, &s1)) << body.size();
    EXPECT_EQ(nullptr, s1);
    EXPECT_EQ(small, cursor);
    msg_buffer_free(buffer);
  }
  buffer = Loaded("abcdef");
  cursor = storage;
  EXPECT_EQ(-1, msg_text_get(msg_buffer_read, buffer, 6, &cursor, &text)); // padding missing
  EXPECT_EQ(-1, msg_text_get(msg_buffer_read, buffer, -1, &cursor, &text));
  EXPECT_EQ(nullptr, text);
  msg_buffer_free(buffer);
}

TEST(MessageBufferTest, SendBufferGrowsByWholeBlocks) {
  TOVCOMBuffer* buffer = msg_buffer_send_new();
  EXPECT_EQ(65536, buffer->size);
  EXPECT_EQ(0, buffer->pending);
  std::string block(70000, 'q');
  EXPECT_EQ(0, msg_buffer_write(buffer, 8, "12345678"));
  EXPECT_EQ(0, msg_buffer_write(buffer, static_cast<int>(block.size()), block.data()));
  // (65536 + 70000) rounded up to a multiple of 65536.
  EXPECT_EQ(196608, buffer->size);
  EXPECT_EQ(70008, buffer->pending);
  EXPECT_EQ(0, memcmp(buffer->data, "12345678", 8));
  EXPECT_EQ('q', buffer->data[70007]);
  EXPECT_EQ(-1, msg_buffer_write(buffer, INT_MAX, block.data())); // past 2 GiB
  EXPECT_EQ(70008, buffer->pending);
  msg_buffer_free(buffer);
}

TEST(MessageBufferTest, QueueIsFirstInFirstOut) {
  TOVCOMQueue queue{0, nullptr, nullptr};
  EXPECT_EQ(nullptr, msg_queue_remove(&queue));
  TOVCOMBuffer* a = msg_buffer_recv_new();
  TOVCOMBuffer* b = msg_buffer_send_new();
  msg_queue_append(&queue, a);
  msg_queue_append(&queue, b);
  EXPECT_EQ(2, queue.count);
  EXPECT_EQ(a, msg_queue_remove(&queue));
  EXPECT_EQ(b, queue.first);
  EXPECT_EQ(b, queue.last);
  msg_queue_append(&queue, a);
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
