#include "TOVCOMNet.h"
#include "TOVCBErrorProcessing.h"

#include <arpa/inet.h>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

const int ListenBacklog = 20;

int UseCount = 0;
// The protocol number of "ip", looked up by the first net_start.
int IpProtocol = 0;

// The path tables, built on first demand after a start.
bool TablesBuilt = false;
std::vector<TOVCOMNetEntry> Shares;
std::vector<TOVCOMNetEntry> Uses;

// Closes a socket after shutting it down both ways; gives 0, or -1 with errno set. A close
// interrupted by a signal has released the descriptor all the same on this system, so it
// is not called again (that could close a descriptor opened meanwhile).
int CloseSocket(int iSocket) {
  shutdown(iSocket, SHUT_RDWR);
  if (close(iSocket) == 0 || errno == EINTR)
    return 0;
  return -1;
}

// Closes a socket that the caller is done with, reporting a failure.
void CloseAndReport(const char* iFile, int iLine, int iSocket) {
  if (CloseSocket(iSocket) < 0)
    sock_error(iFile, iLine, SOCK_OP_CLOSE, nullptr);
}

// Closes a socket on a failure path: the failure that led here is the one reported.
void CloseQuietly(int iSocket) {
  int error = errno;
  CloseSocket(iSocket);
  errno = error;
}

// Reports the failure of the call just made on iSocket, closes it and gives -1.
int FailAndClose(const char* iFile, int iLine, int iSocket, int iOperation,
                 const std::string& iParam = std::string()) {
  sock_error(iFile, iLine, iOperation, iParam.empty() ? nullptr : iParam.c_str());
  CloseQuietly(iSocket);
  return -1;
}

// Sets keep-alive on a connected socket, and sends each frame as soon as it is written (a
// message layer waits for answers: holding small frames back for coalescing would make
// every exchange wait for the peer's delayed acknowledgement). Gives 0, or -1 with the
// failure reported and the socket closed.
int SetConnectionOptions(int iSocket) {
  int on = 1;
  if (setsockopt(iSocket, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on) != 0)
    return FailAndClose(__FILE__, __LINE__, iSocket, SOCK_OP_SETOPT);
  setsockopt(iSocket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  return 0;
}

int BindAny(int iSocket, int iPort) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  address.sin_port = htons(static_cast<uint16_t>(iPort));
  return bind(iSocket, reinterpret_cast<sockaddr*>(&address), sizeof address);
}

// ---------------------------------------------------------------------------
// Path tables.

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// The lines of a file into oLines; 0, or the errno of the failure to open it.
int ReadLines(const char* iPath, std::vector<std::string>& oLines) {
  FILE* file = fopen(iPath, "r");
  if (file == nullptr)
    return errno;
  std::string line;
  for (int c; (c = fgetc(file)) != EOF;) {
    if (c != '\n') {
      line += static_cast<char>(c);
      continue;
    }
    oLines.push_back(line);
    line.clear();
  }
  if (!line.empty())
    oLines.push_back(line);
  int error = ferror(file) ? errno : 0;
  fclose(file);
  return error;
}

// Copies text into a field of an entry; false when it does not fit whole (a cut name
// could match paths it does not lead to).
bool CopyField(char (&oField)[1024], const std::string& iText) {
  if (iText.size() >= sizeof oField)
    return false;
  memcpy(oField, iText.c_str(), iText.size() + 1);
  return true;
}

void AddEntry(std::vector<TOVCOMNetEntry>& ioTable, const std::string& iUnc,
              const std::string& iDos) {
  TOVCOMNetEntry entry;
  if (CopyField(entry.unc, iUnc) && CopyField(entry.dos, iDos))
    ioTable.push_back(entry);
}

std::string Trim(const std::string& iText) {
  size_t begin = iText.find_first_not_of(" \t\r");
  if (begin == std::string::npos)
    return "";
  size_t end = iText.find_last_not_of(" \t\r");
  return iText.substr(begin, end - begin + 1);
}

// A parameter name of the server's configuration compared without case and blanks.
std::string Canonical(const std::string& iName) {
  std::string result;
  for (char c : iName)
    if (c != ' ' && c != '\t')
      result += static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return result;
}

// Fills the share table from the file server's configuration: every section but the global
// one that has a path is a share of this host. A missing configuration means no shares;
// one that may not be read too, as for a list of shares that may not be read. Gives 0, or
// -1 (reported).
int ReadShares(const char* iHost) {
  const char* path = getenv("TOV_SMB_CONF");
  if (path == nullptr || *path == '\0')
    path = "/etc/samba/smb.conf";
  std::vector<std::string> lines;
  if (int error = ReadLines(path, lines)) {
    if (error == ENOENT || error == EACCES || error == ENOTDIR)
      return 0;
    std::string code = std::to_string(error);
    com_error(__FILE__, __LINE__, COM_ERR_SHARE_OTHER, code.c_str());
    return -1;
  }
  std::string section, sharePath, logical;
  auto endSection = [&]() {
    std::string unc = std::string("\\\\") + iHost + "\\" + section;
    // Administrative shares (a "$" in the name) are never offered.
    if (!section.empty() && Canonical(section) != "global" && !sharePath.empty() &&
        unc.find('$') == std::string::npos)
      AddEntry(Shares, unc, sharePath);
    section.clear();
    sharePath.clear();
  };
  for (const std::string& line : lines) {
    // A backslash at the end of a line continues it on the next.
    if (!line.empty() && line.back() == '\\') {
      logical += line.substr(0, line.size() - 1);
      continue;
    }
    logical += line;
    std::string text = Trim(logical);
    logical.clear();
    if (text.empty() || text[0] == '#' || text[0] == ';')
      continue;
    if (text[0] == '[') {
      endSection();
      size_t close = text.find(']');
      section = Trim(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      continue;
    }
    size_t equal = text.find('=');
    if (equal == std::string::npos)
      continue;
    std::string name = Canonical(text.substr(0, equal));
    if (name == "path" || name == "directory")
      sharePath = Trim(text.substr(equal + 1));
  }
  endSection();
  return 0;
}

// A field of the mount table with its octal escapes (\040 for a blank) decoded.
std::string Unescape(const std::string& iField) {
  std::string result;
  for (size_t i = 0; i < iField.size(); ++i) {
    if (iField[i] == '\\' && i + 3 < iField.size() && isdigit(iField[i + 1]) &&
        isdigit(iField[i + 2]) && isdigit(iField[i + 3])) {
      result += static_cast<char>(strtol(iField.substr(i + 1, 3).c_str(), nullptr, 8));
      i += 3;
    } else {
      result += iField[i];
    }
  }
  return result;
}

// Fills the use table from the mounted network file systems: "//server/share" mounted on
// a directory becomes the UNC name "\\server\share" and the directory with a final "/".
// Gives 0, or -1 (reported).
int ReadUses() {
  const char* path = getenv("TOV_MOUNTS");
  if (path == nullptr || *path == '\0')
    path = "/proc/self/mounts";
  std::vector<std::string> lines;
  if (int error = ReadLines(path, lines)) {
    std::string code = std::to_string(error);
    com_error(__FILE__, __LINE__, COM_ERR_USE_OTHER, code.c_str());
    return -1;
  }
  for (const std::string& line : lines) {
    char source[1100], target[1100], type[64];
    if (sscanf(line.c_str(), "%1099s %1099s %63s", source, target, type) != 3)
      continue;
    std::string fsType(type);
    if (fsType != "cifs" && fsType != "smb3" && fsType != "smbfs")
      continue;
    std::string unc = Unescape(source), dos = Unescape(target);
    for (char& c : unc)
      if (c == '/')
        c = '\\';
    while (unc.size() > 2 && unc.back() == '\\')
      unc.pop_back();
    if (dos.empty() || unc.size() <= 2)
      continue;
    if (dos.back() != '/')
      dos += '/';
    AddEntry(Uses, unc, dos);
  }
  return 0;
}

int BuildTables() {
  char host[256];
  if (gethostname(host, sizeof host) != 0) {
    sock_error(__FILE__, __LINE__, SOCK_OP_GETHOST, nullptr);
    return -1;
  }
  host[sizeof host - 1] = '\0';
  Shares.clear();
  Uses.clear();
  if (ReadShares(host) < 0)
    return -1;
  if (ReadUses() < 0) {
    Shares.clear();
    return -1;
  }
  TablesBuilt = true;
  return 0;
}

// True when iPrefix begins iPath and ends there at a separator or at its end.
bool IsPathPrefix(const char* iPrefix, const char* iPath) {
  size_t i = 0;
  for (; iPrefix[i] != '\0'; ++i) {
    char a = iPrefix[i], b = iPath[i];
    if (b == '\0')
      return false;
    if (IsSeparator(a) && IsSeparator(b))
      continue;
    if (toupper(static_cast<unsigned char>(a)) != toupper(static_cast<unsigned char>(b)))
      return false;
  }
  return i > 0 && (iPath[i] == '\0' || IsSeparator(iPath[i]));
}

} // namespace

int net_start(void) {
  if (UseCount > 0) {
    ++UseCount;
    return 0;
  }
  TablesBuilt = false;
  const protoent* protocol = getprotobyname("ip");
  if (protocol == nullptr) {
    com_error(__FILE__, __LINE__, COM_ERR_PROTO, nullptr);
    return -1;
  }
  IpProtocol = protocol->p_proto;
  ++UseCount;
  return 0;
}

void net_stop(void) {
  if (UseCount > 0)
    --UseCount;
  if (UseCount == 0 && TablesBuilt) {
    Shares = std::vector<TOVCOMNetEntry>();
    Uses = std::vector<TOVCOMNetEntry>();
    TablesBuilt = false;
  }
}

int net_serv_start(int* ioPort) {
  int server = socket(AF_INET, SOCK_STREAM, 0);
  if (server < 0) {
    sock_error(__FILE__, __LINE__, SOCK_OP_SOCKET, nullptr);
    return -1;
  }
  // A port whose last connections are still closing can be taken again at once, as on the
  // platforms where that is the default; a port that a socket listens on stays refused.
  int on = 1;
  setsockopt(server, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  if (*ioPort == -1) {
    int port = TOV_NET_DEFAULT_PORT;
    while (port < TOV_NET_DEFAULT_PORT + TOV_NET_PORT_RANGE && BindAny(server, port) != 0)
      ++port;
    if (port == TOV_NET_DEFAULT_PORT + TOV_NET_PORT_RANGE) {
      com_error(__FILE__, __LINE__, COM_ERR_FULL, nullptr);
      CloseQuietly(server);
      return -1;
    }
    *ioPort = port;
  } else {
    int port = *ioPort == 0 ? TOV_NET_DEFAULT_PORT : *ioPort;
    if (BindAny(server, port) != 0)
      return FailAndClose(__FILE__, __LINE__, server, SOCK_OP_BIND, std::to_string(port));
    *ioPort = port;
  }
  if (listen(server, ListenBacklog) != 0)
    return FailAndClose(__FILE__, __LINE__, server, SOCK_OP_LISTEN, std::to_string(*ioPort));
  return server;
}

void net_serv_stop(int iSocket) {
  CloseAndReport(__FILE__, __LINE__, iSocket);
}

int net_serv_open(int iSocket) {
  sockaddr_in peer{};
  socklen_t length = sizeof peer;
  int client;
  do {
    client = accept(iSocket, reinterpret_cast<sockaddr*>(&peer), &length);
  } while (client < 0 && errno == EINTR);
  if (client < 0) {
    sock_error(__FILE__, __LINE__, SOCK_OP_ACCEPT, nullptr);
    return -1;
  }
  if (SetConnectionOptions(client) < 0)
    return -1;
  trc_print("net", "CLIENT 0x%08x %d\n", static_cast<unsigned int>(peer.sin_addr.s_addr),
            ntohs(peer.sin_port));
  return client;
}

void net_serv_close(int iSocket) {
  CloseAndReport(__FILE__, __LINE__, iSocket);
}

int net_clnt_start(const char* iHost, int iPort) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(iHost, nullptr, &hints, &found) != 0 || found == nullptr) {
    com_error(__FILE__, __LINE__, COM_ERR_HOST_ADD, iHost);
    return -1;
  }
  sockaddr_in address{};
  bool ipv4 = false;
  for (addrinfo* entry = found; entry != nullptr && !ipv4; entry = entry->ai_next)
    if (entry->ai_family == AF_INET) {
      memcpy(&address, entry->ai_addr, sizeof address);
      ipv4 = true;
    }
  freeaddrinfo(found);
  if (!ipv4) {
    com_error(__FILE__, __LINE__, COM_ERR_HOST_FORMAT, iHost);
    return -1;
  }
  int client = socket(AF_INET, SOCK_STREAM, IpProtocol);
  if (client < 0) {
    sock_error(__FILE__, __LINE__, SOCK_OP_SOCKET, nullptr);
    return -1;
  }
  if (SetConnectionOptions(client) < 0)
    return -1;
  if (BindAny(client, 0) != 0)
    return FailAndClose(__FILE__, __LINE__, client, SOCK_OP_BIND);
  int port = iPort == 0 ? TOV_NET_DEFAULT_PORT : iPort;
  address.sin_port = htons(static_cast<uint16_t>(port));
  if (connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
    return FailAndClose(__FILE__, __LINE__, client, SOCK_OP_CONNECT,
                        std::string(iHost) + ":" + std::to_string(port));
  return client;
}

void net_clnt_stop(int iSocket) {
  CloseAndReport(__FILE__, __LINE__, iSocket);
}

int net_dos_search(const char* iPath, TOVCOMNetEntry** oEntry) {
  *oEntry = nullptr;
  if (!TablesBuilt && BuildTables() < 0)
    return -1;
  for (std::vector<TOVCOMNetEntry>* table : {&Shares, &Uses})
    for (TOVCOMNetEntry& entry : *table) {
      trc_print("net", "UNC \"%s\" DOS \"%s\"\n", entry.unc, entry.dos);
      if (IsPathPrefix(entry.unc, iPath)) {
        *oEntry = &entry;
        return 0;
      }
    }
  return 0;
}
