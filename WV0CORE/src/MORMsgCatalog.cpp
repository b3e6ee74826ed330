#include "MORMsgCatalog.h"
#include "MORBuiltinCatalogs.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <vector>

/// The messages of one catalog as read from its text.
struct MORCatalogContent {
  std::unordered_map<std::string, MORUnicodeString> messages;
  std::string firstError; // "line N: reason" of the first bad line, empty when none
  int badLines = 0;
};

namespace {

// Lines longer than this are not messages but a damaged or foreign file.
const size_t kMaxLineLength = 64 * 1024;
// Catalog files larger than this are refused rather than read into memory.
const off_t kMaxFileSize = 16 * 1024 * 1024;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Checks one line (without its end of line) and, when it is a message, adds it. Gives the
// reason when the line is bad, else null.
const char* ParseLine(const char* line, size_t length, MORCatalogContent& content) {
  if (length > kMaxLineLength)
    return "line too long";
  if (length > 0 && line[length - 1] == '\r')
    --length;
  for (size_t i = 0; i < length; ++i) {
    unsigned char c = static_cast<unsigned char>(line[i]);
    if (c == 0)
      return "NUL byte";
    if ((c < 0x20 && c != '\t') || c == 0x7F)
      return "control character";
  }
  size_t start = 0;
  while (start < length && IsBlank(line[start]))
    ++start;
  if (start == length || line[start] == '#')
    return nullptr;
  const char* eq = static_cast<const char*>(std::memchr(line + start, '=', length - start));
  if (eq == nullptr)
    return "missing \"=\"";
  size_t keyEnd = static_cast<size_t>(eq - line);
  size_t valueStart = keyEnd + 1;
  while (keyEnd > start && IsBlank(line[keyEnd - 1]))
    --keyEnd;
  if (keyEnd == start)
    return "empty key";
  for (size_t i = start; i < keyEnd; ++i)
    if (IsBlank(line[i]))
      return "blank inside the key";
  while (valueStart < length && IsBlank(line[valueStart]))
    ++valueStart;
  std::string value;
  value.reserve(length - valueStart);
  for (size_t i = valueStart; i < length; ++i) {
    if (line[i] != '\\') {
      value += line[i];
      continue;
    }
    if (i + 1 >= length)
      return "\"\\\" at the end of the line";
    char next = line[++i];
    if (next == 'n')
      value += '\n';
    else if (next == '\\')
      value += '\\';
    else
      return "unknown escape";
  }
  std::u16string text = MORUnicodeString::DecodeUtf8(value.data(), value.size());
  MORUnicodeString message;
  message.BuildFromWChar(text.data(), static_cast<int>(text.size()));
  content.messages[std::string(line + start, keyEnd - start)] = message;
  return nullptr;
}

std::shared_ptr<MORCatalogContent> Parse(const char* text, size_t size) {
  auto content = std::make_shared<MORCatalogContent>();
  size_t pos = 0;
  int lineNumber = 0;
  while (pos < size) {
    ++lineNumber;
    const char* nl = static_cast<const char*>(std::memchr(text + pos, '\n', size - pos));
    size_t end = nl != nullptr ? static_cast<size_t>(nl - text) : size;
    const char* reason = ParseLine(text + pos, end - pos, *content);
    if (reason != nullptr) {
      if (content->badLines++ == 0)
        content->firstError = "line " + std::to_string(lineNumber) + ": " + reason;
    }
    pos = end + 1;
  }
  return content;
}

// The error text of a content: empty when every line was good.
std::string ContentError(const std::string& origin, const MORCatalogContent& content) {
  if (content.badLines == 0)
    return std::string();
  std::string text = origin + ": " + content.firstError;
  if (content.badLines > 1)
    text += " (and " + std::to_string(content.badLines - 1) + " more bad lines)";
  return text;
}

// Parsed files, keyed by path. A file is always read again, and parsed again only when
// its bytes changed: timestamps are too coarse to tell two quick writes apart.
struct CachedFile {
  std::vector<char> bytes;
  std::shared_ptr<const MORCatalogContent> content;
};

struct Cache {
  std::mutex lock;
  std::map<std::string, CachedFile> files;
  std::map<std::string, std::shared_ptr<const MORCatalogContent>> builtins;
};

Cache& TheCache() {
  static Cache* cache = new Cache;
  return *cache;
}

enum class ReadResult { Read, Missing, Failed };

// Reads and parses the catalog file at path; on failure sets error to the reason.
ReadResult ReadCatalogFile(const std::string& path,
                           std::shared_ptr<const MORCatalogContent>& content, std::string& error) {
  // Not blocking: a FIFO in place of the file must not hang the caller.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    int code = errno;
    if (code == ENOENT || code == ENOTDIR)
      return ReadResult::Missing;
    error = path + ": " + std::strerror(code);
    return ReadResult::Failed;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    error = path + ": not a regular file";
    return ReadResult::Failed;
  }
  if (st.st_size > kMaxFileSize) {
    ::close(fd);
    error = path + ": file too large (more than " + std::to_string(kMaxFileSize) + " bytes)";
    return ReadResult::Failed;
  }
  std::vector<char> data(static_cast<size_t>(st.st_size));
  size_t got = 0;
  while (got < data.size()) {
    ssize_t n = ::read(fd, data.data() + got, data.size() - got);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      int code = errno;
      ::close(fd);
      error = path + ": " + std::strerror(code);
      return ReadResult::Failed;
    }
    if (n == 0)
      break; // the file shrank while being read: use what is there
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  data.resize(got);
  Cache& cache = TheCache();
  {
    std::lock_guard<std::mutex> guard(cache.lock);
    auto it = cache.files.find(path);
    if (it != cache.files.end() && it->second.bytes == data) {
      content = it->second.content;
      return ReadResult::Read;
    }
  }
  std::shared_ptr<const MORCatalogContent> parsed = Parse(data.data(), data.size());
  {
    std::lock_guard<std::mutex> guard(cache.lock);
    cache.files[path] = CachedFile{std::move(data), parsed};
  }
  content = parsed;
  return ReadResult::Read;
}

std::shared_ptr<const MORCatalogContent> BuiltinCatalog(const std::string& name) {
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> guard(cache.lock);
  auto it = cache.builtins.find(name);
  if (it != cache.builtins.end())
    return it->second;
  for (const MORBuiltinCatalog* b = MORBuiltinCatalogs; b->name != nullptr; ++b) {
    if (name == b->name) {
      std::shared_ptr<const MORCatalogContent> parsed = Parse(b->text, b->size);
      cache.builtins[name] = parsed;
      return parsed;
    }
  }
  return nullptr;
}

std::string JoinPath(const std::string& dir, const std::string& file) {
  if (!dir.empty() && dir.back() == '/')
    return dir + file;
  return dir + "/" + file;
}

} // namespace

MORMsgCatalog::MORMsgCatalog() = default;

MORMsgCatalog::~MORMsgCatalog() = default;

int MORMsgCatalog::LoadMsgCatalogFromText(const char* name, const char* text, size_t size,
                                          const char* origin) {
  _pContent.reset();
  _Source = origin != nullptr ? origin : (name != nullptr ? name : "");
  std::shared_ptr<MORCatalogContent> parsed = Parse(text != nullptr ? text : "", text ? size : 0);
  _Error = ContentError(_Source, *parsed);
  if (parsed->badLines > 0 && parsed->messages.empty())
    return 0;
  _pContent = parsed;
  return 1;
}

int MORMsgCatalog::LoadMsgCatalog(const char* name, const char* path) {
  _pContent.reset();
  _Source.clear();
  _Error.clear();
  if (name == nullptr || *name == '\0') {
    _Error = "no catalog name given";
    return 0;
  }
  std::string catalog(name);
  if (catalog.find('/') != std::string::npos || catalog == "." || catalog == "..") {
    _Error = "invalid catalog name \"" + catalog + "\"";
    return 0;
  }
  std::string file = catalog + ".msg";

  std::vector<std::string> dirs;
  if (path != nullptr) {
    dirs.push_back(*path != '\0' ? path : ".");
  } else {
    const char* env = std::getenv("TOV_MSG_PATH");
    std::string list = env != nullptr ? env : "";
    size_t pos = 0;
    while (pos <= list.size()) {
      size_t colon = list.find(':', pos);
      if (colon == std::string::npos)
        colon = list.size();
      if (colon > pos)
        dirs.push_back(list.substr(pos, colon - pos));
      pos = colon + 1;
    }
#ifdef TOV_CATALOG_INSTALL_DIR
    dirs.push_back(TOV_CATALOG_INSTALL_DIR);
#endif
  }

  std::shared_ptr<const MORCatalogContent> content;
  std::string firstFailure;
  for (const std::string& dir : dirs) {
    std::string candidate = JoinPath(dir, file);
    std::string reason;
    ReadResult result = ReadCatalogFile(candidate, content, reason);
    if (result == ReadResult::Read) {
      _Source = candidate;
      break;
    }
    if (result == ReadResult::Failed && firstFailure.empty())
      firstFailure = reason;
  }
  if (content == nullptr && path == nullptr) {
    content = BuiltinCatalog(catalog);
    if (content != nullptr)
      _Source = "compiled-in " + file;
  }
  if (content == nullptr) {
    if (!firstFailure.empty())
      _Error = firstFailure;
    else if (path != nullptr)
      _Error = JoinPath(dirs.front(), file) + ": " + std::strerror(ENOENT);
    else
      _Error = "catalog file " + file +
               " not found in TOV_MSG_PATH, in the installed catalogs nor among the "
               "compiled-in catalogs";
    return 0;
  }
  _Error = ContentError(_Source, *content);
  if (content->badLines > 0 && content->messages.empty())
    return 0;
  _pContent = content;
  return 1;
}

const char* MORMsgCatalog::GetError() const {
  return _Error.c_str();
}

const char* MORMsgCatalog::GetSource() const {
  return _Source.c_str();
}

MORMsg MORMsgCatalog::GetCatalogMsg(const char* msgId) const {
  if (_pContent == nullptr || msgId == nullptr)
    return MORMsg();
  auto it = _pContent->messages.find(msgId);
  if (it == _pContent->messages.end())
    return MORMsg();
  return MORMsg(it->second);
}

int MORMsgCatalog::GetMsgCount() const {
  return _pContent != nullptr ? static_cast<int>(_pContent->messages.size()) : 0;
}
