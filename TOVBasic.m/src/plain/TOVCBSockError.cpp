// sock_error and com_error: socket failures as messages of catalog "TOVSOCK", and failures
// of the messaging and network layer as messages of catalog "TOVCOM".
#include "TOVCBErrorProcessing.h"
#include "TOVCBReport.h"

#include <cerrno>
#include <cstdio>

using tovcb::Action;
using tovcb::AnyError;
using tovcb::Case;

namespace {

/// Winsock numbers of the errno values that sockets give. EPIPE (a send on a connection
/// the peer has closed) is the reset that the other platform reports for it.
struct ErrnoMapping {
  int errnoValue;
  int winsock;
};

const ErrnoMapping ErrnoMappings[] = {
    {EINTR, 10004},           {EBADF, 10009},        {EACCES, 10013},
    {EFAULT, 10014},          {EINVAL, 10022},       {EMFILE, 10024},
    {EWOULDBLOCK, 10035},     {EINPROGRESS, 10036},  {EALREADY, 10037},
    {ENOTSOCK, 10038},        {EDESTADDRREQ, 10039}, {EMSGSIZE, 10040},
    {EPROTOTYPE, 10041},      {ENOPROTOOPT, 10042},  {EPROTONOSUPPORT, 10043},
    {ESOCKTNOSUPPORT, 10044}, {EOPNOTSUPP, 10045},   {EPFNOSUPPORT, 10046},
    {EAFNOSUPPORT, 10047},    {EADDRINUSE, 10048},   {EADDRNOTAVAIL, 10049},
    {ENETDOWN, 10050},        {ENETUNREACH, 10051},  {ENETRESET, 10052},
    {ECONNABORTED, 10053},    {ECONNRESET, 10054},   {EPIPE, 10054},
    {ENOBUFS, 10055},         {EISCONN, 10056},      {ENOTCONN, 10057},
    {ESHUTDOWN, 10058},       {ETOOMANYREFS, 10059}, {ETIMEDOUT, 10060},
    {ECONNREFUSED, 10061},    {ELOOP, 10062},        {ENAMETOOLONG, 10063},
    {EHOSTDOWN, 10064},       {EHOSTUNREACH, 10065}, {ENOTEMPTY, 10066},
    {EUSERS, 10068},          {EDQUOT, 10069},       {ESTALE, 10070},
    {EREMOTE, 10071}};

/// Lowest Winsock number: an errno at or above it was set as a Winsock number.
constexpr int WinsockBase = 10000;

struct WinsockText {
  int code;
  const char* text;
};

const WinsockText WinsockTexts[] = {{10004, "Interrupted function call."},
                                    {10009, "Invalid socket handle."},
                                    {10013, "Permission denied."},
                                    {10014, "Bad address."},
                                    {10022, "Invalid argument."},
                                    {10024, "Too many open files."},
                                    {10035, "Resource temporarily unavailable."},
                                    {10036, "Operation now in progress."},
                                    {10037, "Operation already in progress."},
                                    {10038, "Socket operation on non-socket."},
                                    {10039, "Destination address required."},
                                    {10040, "Message too long."},
                                    {10041, "Protocol wrong type for socket."},
                                    {10042, "Bad protocol option."},
                                    {10043, "Protocol not supported."},
                                    {10044, "Socket type not supported."},
                                    {10045, "Operation not supported."},
                                    {10046, "Protocol family not supported."},
                                    {10047, "Address family not supported by protocol family."},
                                    {10048, "Address already in use."},
                                    {10049, "Cannot assign requested address."},
                                    {10050, "Network is down."},
                                    {10051, "Network is unreachable."},
                                    {10052, "Network dropped connection on reset."},
                                    {10053, "Software caused connection abort."},
                                    {10054, "Connection reset by peer."},
                                    {10055, "No buffer space available."},
                                    {10056, "Socket is already connected."},
                                    {10057, "Socket is not connected."},
                                    {10058, "Cannot send after socket shutdown."},
                                    {10060, "Connection timed out."},
                                    {10061, "Connection refused."},
                                    {10064, "Host is down."},
                                    {10065, "No route to host."},
                                    {10067, "Too many processes."},
                                    {10091, "Network subsystem is unavailable."},
                                    {10092, "WINSOCK.DLL version out of range."},
                                    {10093, "Successful WSAStartup not yet performed."}};

// A connection that the peer or the network ended: aborted, reset, timed out, no route.
#define TOV_CONNECTION_LOST(diag, advice)                                                          \
  TOV_CASE(10053, Action::Pair, diag, advice), TOV_CASE(10054, Action::Pair, diag, advice),        \
      TOV_CASE(10060, Action::Pair, diag, advice), TOV_CASE(10065, Action::Pair, diag, advice)

const char AcceptText[] = "Unexptected accept error (%d).\n";
const Case AcceptCases[] = {TOV_FATAL(10038, AcceptText), TOV_FATAL(10045, AcceptText),
                            TOV_FATAL(10093, AcceptText), TOV_OTHER};
const char BindText[] = "Unexptected bind error (%d).\n";
const Case BindCases[] = {TOV_FATAL(10014, BindText),
                          TOV_FATAL(10022, BindText),
                          TOV_FATAL(10038, BindText),
                          TOV_FATAL(10093, BindText),
                          TOV_CASE(10048, Action::PairParam, "BIND", "BINDA"),
                          TOV_OTHER};
// A bad descriptor is 9 where the socket error is the errno itself, and its Winsock number
// here, where errno is mapped.
const Case CloseCases[] = {TOV_FATAL(9, "Bad socket file descriptor.\n"),
                           TOV_FATAL(10009, "Bad socket file descriptor.\n"), TOV_OTHER};
const char ConnectText[] = "Unexpected connect error (%d).\n";
const Case ConnectCases[] = {TOV_FATAL(10038, ConnectText),
                             TOV_FATAL(10045, ConnectText),
                             TOV_FATAL(10048, ConnectText),
                             TOV_FATAL(10056, ConnectText),
                             TOV_FATAL(10093, ConnectText),
                             TOV_CASE(10060, Action::Pair, "CONNECT", "CONNECTA"),
                             TOV_CASE(10061, Action::Pair, "CONNECT", "CONNECTA"),
                             TOV_OTHER};
const Case GetHostCases[] = {TOV_FATAL(10014, "Invalid host buffer\n"),
                             TOV_FATAL(10093, "Invalid host buffer\n"), TOV_OTHER};
const char GetOptText[] = "Unexptected getopt error (%d).\n";
const Case GetOptCases[] = {TOV_FATAL(10014, GetOptText), TOV_FATAL(10038, GetOptText),
                            TOV_FATAL(10042, GetOptText), TOV_FATAL(10093, GetOptText), TOV_OTHER};
const char ListenText[] = "Unexptected listen error (%d).\n";
const Case ListenCases[] = {TOV_FATAL(10038, ListenText), TOV_FATAL(10045, ListenText),
                            TOV_FATAL(10093, ListenText), TOV_OTHER};
const Case OtherCases[] = {TOV_OTHER};
const char RecvText[] = "Unexptected recv error (%d).\n";
const Case RecvCases[] = {TOV_FATAL(10014, RecvText), TOV_FATAL(10022, RecvText),
                          TOV_FATAL(10093, RecvText), TOV_CONNECTION_LOST("RECV", "RECVA"),
                          TOV_OTHER};
const char SelectText[] = "Unexptected select error (%d).\n";
const Case SelectCases[] = {TOV_FATAL(10014, SelectText), TOV_FATAL(10022, SelectText),
                            TOV_FATAL(10038, SelectText), TOV_FATAL(10093, SelectText), TOV_OTHER};
const char SendText[] = "Unexptected send error (%d).\n";
const Case SendCases[] = {TOV_FATAL(10014, SendText), TOV_FATAL(10022, SendText),
                          TOV_FATAL(10093, SendText), TOV_CONNECTION_LOST("SEND", "SENDA"),
                          TOV_OTHER};
const char SetOptText[] = "Unexptected setopt error (%d).\n";
const Case SetOptCases[] = {TOV_FATAL(10014, SetOptText), TOV_FATAL(10038, SetOptText),
                            TOV_FATAL(10042, SetOptText), TOV_FATAL(10093, SetOptText), TOV_OTHER};
const char MismatchText[] = "Address family / socket type mismatch.\n";
const Case SocketCases[] = {TOV_FATAL(10024, "Two many open files for one process.\n"),
                            TOV_FATAL(10041, MismatchText),
                            TOV_FATAL(10043, MismatchText),
                            TOV_FATAL(10044, MismatchText),
                            TOV_FATAL(10047, MismatchText),
                            TOV_FATAL(10093, MismatchText),
                            TOV_CASE(10055, Action::Pair, "SOCK", "SOCKA"),
                            TOV_OTHER};
const Case StartupCases[] = {TOV_FATAL(10014, "WSAStartup data invalid\n"),
                             TOV_CASE(10092, Action::Pair, "STARTUP", "STARTUPA"), TOV_OTHER};

/// An operation: its request (null for none), whether the request takes the caller's
/// parameter, and the classification of the error.
struct Operation {
  const char* request;
  bool requestParam;
  const Case* cases;
};

const Operation Operations[] = {
    {"ACCEPT", false, AcceptCases},    // 0
    {"BINDC", false, BindCases},       // 1
    {"CLOSE", false, CloseCases},      // 2
    {"CONNECTC", true, ConnectCases},  // 3
    {"GETHOST", false, GetHostCases},  // 4
    {"GETOPT", false, GetOptCases},    // 5
    {"LISTEN", true, ListenCases},     // 6
    {nullptr, false, OtherCases},      // 7
    {nullptr, false, OtherCases},      // 8
    {"RECVC", true, RecvCases},        // 9
    {"SELECT", true, SelectCases},     // 10
    {"SENDC", true, SendCases},        // 11
    {"SETOPT", false, SetOptCases},    // 12
    {"SOCKC", false, SocketCases},     // 13
    {"STARTUPC", false, StartupCases}, // 14
};
constexpr int LastOperation = SOCK_OP_STARTUP;
static_assert(sizeof Operations / sizeof Operations[0] == LastOperation + 1);

/// The text of a Winsock number for the "UNEXPECTED" diagnostic: from the table, else the
/// number in decimal.
const char* WinsockErrorText(int code, char (&buffer)[16]) {
  for (const WinsockText& entry : WinsockTexts) {
    if (entry.code == code)
      return entry.text;
  }
  snprintf(buffer, sizeof buffer, "%d", code);
  return buffer;
}

/// A row of the messaging layer's errors: request, diagnostic and advice keys (advice null
/// for none), and which of request and diagnostic takes the caller's parameter.
struct ComRow {
  const char* request;
  const char* diag;
  const char* advice;
  bool requestParam;
  bool diagParam;
};

const ComRow ComRows[] = {
    {"FULLC", "FULL", "FULLA", false, false},                     // 0
    {"HOST", "HOST_ADD", "HOST_ADDA", true, false},               // 1
    {"HOST", "HOST_FORMAT", "HOST_FORMATA", true, false},         // 2
    {"INPUT_CONVC", "INPUT_CONV", "INPUT_CONVA", false, false},   // 3
    {"PROTOC", "PROTO", "PROTOA", false, false},                  // 4
    {"SHARE", "SHARE_ACCESS", "SHARE_ACCESSA", false, false},     // 5
    {"SHARE", "SHARE_INTERNAL", "SHARE_INTERNALA", false, false}, // 6
    {"SHARE", "UNEXPECTED", nullptr, false, true},                // 7
    {"USE", "USE_INTERNAL", "USE_INTERNALA", false, false},       // 8
    {"USE", "UNEXPECTED", nullptr, false, true},                  // 9
};
constexpr int LastComCode = COM_ERR_USE_OTHER;
static_assert(sizeof ComRows / sizeof ComRows[0] == LastComCode + 1);

/// A message of catalog with the caller's parameter or with none.
void MessageWithParam(const char* catalog, int type, const char* key, bool withParam,
                      const char* param) {
  if (withParam)
    tovcb::Message(catalog, type, key, {param});
  else
    tovcb::Message(catalog, type, key);
}

} // namespace

extern "C" {

int sock_error_code(void) {
  const int error = errno;
  if (error >= WinsockBase)
    return error;
  for (const ErrnoMapping& mapping : ErrnoMappings) {
    if (mapping.errnoValue == error)
      return mapping.winsock;
  }
  return error;
}

int sock_error(const char* file, int line, int operation, const char* param) {
  const char Catalog[] = "TOVSOCK";
  const int error = sock_error_code();
  trc_print("sock_error", "sock_error \"%s\" %d: oper %d error %d\n", file, line, operation, error);
  tovcb::CheckRange(file, line, operation, LastOperation, "Unexpected operation identifier (%d)\n");
  const Operation& op = Operations[operation];
  if (op.request != nullptr)
    MessageWithParam(Catalog, ERR_MSG_REQUEST, op.request, op.requestParam, param);
  const Case& found = tovcb::FindCase(op.cases, error);
  switch (found.action) {
  case Action::FatalCode:
    err_prog(file, line, found.diag, error);
  case Action::Pair:
  case Action::PairParam:
    MessageWithParam(Catalog, ERR_MSG_DIAGNOSTIC, found.diag, found.action == Action::PairParam,
                     param);
    tovcb::Message(Catalog, ERR_MSG_ADVICE, found.advice);
    break;
  default: {
    char buffer[16];
    tovcb::Message(Catalog, ERR_MSG_DIAGNOSTIC, "UNEXPECTED", {WinsockErrorText(error, buffer)});
    break;
  }
  }
  return err_msg_record(file, line, ERR_RECORD_CRITICAL);
}

int com_error(const char* file, int line, int code, const char* param) {
  const char Catalog[] = "TOVCOM";
  trc_print("com_error", "com_error \"%s\" %d: error %d\n", file, line, code);
  tovcb::CheckRange(file, line, code, LastComCode, "Unexpected error code (%d)\n");
  const ComRow& row = ComRows[code];
  MessageWithParam(Catalog, ERR_MSG_REQUEST, row.request, row.requestParam, param);
  MessageWithParam(Catalog, ERR_MSG_DIAGNOSTIC, row.diag, row.diagParam, param);
  if (row.advice != nullptr)
    tovcb::Message(Catalog, ERR_MSG_ADVICE, row.advice);
  return err_msg_record(file, line, ERR_RECORD_CRITICAL);
}

} // extern "C"
