// Reads arbitrary file contents back line by line with TOVIFStream::Getline, with several
// buffer sizes and delimiters, and checks that every piece is stored within the buffer,
// shorter than the buffer, free of the delimiter, and that the pieces and the consumed
// delimiters together give back the file exactly.
#include "TOVIFStream.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

/// The one scratch file of this process, removed at exit.
const std::string& ScratchPath() {
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    std::string pattern =
        std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/tovfuzz-getline-XXXXXX";
    int fd = mkstemp(&pattern[0]);
    if (fd < 0)
      std::abort();
    close(fd);
    static std::string kept;
    kept = pattern;
    std::atexit([] { std::remove(kept.c_str()); });
    return pattern;
  }();
  return path;
}

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "Getline invariant broken: %s\n", what);
    std::abort();
  }
}

/// Reads the whole file with one buffer size and delimiter and checks every piece.
void ReadBack(const std::string& input, unsigned int size, int delim) {
  TOVIFStream in(ScratchPath().c_str(), "rb");
  Check(in.IsOpen(), "the scratch file opens");
  // Exactly size bytes, so that any write past the end is a heap overflow.
  std::unique_ptr<char[]> buf(new char[size]);
  std::string rebuilt;
  long pos = 0;
  for (size_t calls = 0;; ++calls) {
    Check(calls <= input.size() + 1, "the reader reaches the end of the file");
    std::memset(buf.get(), 'Z', size);
    int result = in.Getline(buf.get(), size, delim);
    long next = std::ftell(in.GetFile());
    Check(next >= pos && static_cast<size_t>(next) <= input.size(), "the position moves on");
    size_t consumed = static_cast<size_t>(next - pos);
    if (consumed == 0) {
      Check(result == 1, "nothing read is reported as the end");
      Check(buf[0] == '\0', "an empty read leaves an empty text");
      break;
    }
    Check(result == 0, "a read of some bytes is reported as success");
    bool delimConsumed = static_cast<unsigned char>(input[pos + consumed - 1]) == delim;
    size_t stored = delimConsumed ? consumed - 1 : consumed;
    Check(stored < size, "a piece is shorter than the buffer");
    Check(std::memcmp(buf.get(), input.data() + pos, stored) == 0, "a piece is the file's bytes");
    Check(std::memchr(buf.get(), delim, stored) == nullptr, "a piece holds no delimiter");
    for (size_t i = stored; i < size; ++i)
      Check(buf[i] == '\0', "the rest of the buffer is cleared");
    rebuilt.append(buf.get(), stored);
    if (delimConsumed)
      rebuilt.push_back(static_cast<char>(delim));
    pos = next;
  }
  Check(rebuilt == input, "the pieces and delimiters give back the file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  FILE* f = std::fopen(ScratchPath().c_str(), "wb");
  if (f == nullptr)
    std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size)
    std::abort();
  std::fclose(f);

  static const unsigned int kSizes[] = {2, 3, 8, 100, 4096};
  static const int kDelimiters[] = {'\n', '\0', 0xFF, ';'};
  for (unsigned int bufSize : kSizes)
    for (int delim : kDelimiters)
      ReadBack(input, bufSize, delim);

  // Buffers too small for any text are refused without a write past them.
  TOVIFStream in(ScratchPath().c_str(), "rb");
  char one[1] = {'Z'};
  Check(in.Getline(one, 1) == 1 && one[0] == '\0', "a one-byte buffer is refused");
  Check(in.Getline(one, 0) == 1, "an empty buffer is refused");
  Check(in.Getline(nullptr, 10) == 1, "a null buffer is refused");
  return 0;
}
