// Helpers of the message and network tests: a message of every primitive with its
// converters, loopback connections, raw sockets and reading back reported errors.
#ifndef NETTESTSUPPORT_H
#define NETTESTSUPPORT_H

#include "TOVCBErrorProcessing.h"
#include "TOVCOMMessage.h"
#include "TOVCOMNet.h"
#include "TOVFreePort.h"
#include "TOVPendingError.h"

#include <arpa/inet.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace nettest {

using ::FreePort;

/// A message holding one item of every primitive; its storage follows it in one block.
struct AllKinds {
  int type;
  int number;
  unsigned int count;
  time_t stamp;
  char* name;
  char* note;
  int textLength;
  char* text;
};

/// The message type that AllKinds travels as in the tests.
const int AllKindsType = 4;

/// Output converter of AllKinds.
inline int PutAllKinds(void* iMessage, msg_writer iWriter, void* iContext) {
  auto* m = static_cast<AllKinds*>(iMessage);
  if (msg_int_put(m->number, iWriter, iContext) < 0 ||
      msg_unsigned_put(m->count, iWriter, iContext) < 0 ||
      msg_time_put(m->stamp, iWriter, iContext) < 0 ||
      msg_string_put(m->name, iWriter, iContext) < 0 ||
      msg_string_put(m->note, iWriter, iContext) < 0 ||
      msg_int_put(m->textLength, iWriter, iContext) < 0 ||
      msg_text_put(m->text, m->textLength, iWriter, iContext) < 0)
    return -1;
  return 0;
}

/// Input converter of AllKinds: one block of the structure and body-sized storage.
inline void* GetAllKinds(int iBodyLength, msg_reader iReader, void* iContext) {
  auto* m = static_cast<AllKinds*>(calloc(1, sizeof(AllKinds) + iBodyLength));
  char* cursor = reinterpret_cast<char*>(m + 1);
  if (msg_int_get(iReader, iContext, &m->number) < 0 ||
      msg_unsigned_get(iReader, iContext, &m->count) < 0 ||
      msg_time_get(iReader, iContext, &m->stamp) < 0 ||
      msg_string_get(iReader, iContext, &cursor, &m->name) < 0 ||
      msg_string_get(iReader, iContext, &cursor, &m->note) < 0 ||
      msg_int_get(iReader, iContext, &m->textLength) < 0 ||
      msg_text_get(iReader, iContext, m->textLength, &cursor, &m->text) < 0) {
    free(m);
    return nullptr;
  }
  return m;
}

/// An AllKinds as "type number count stamp 'name' 'note' 'text'", null strings as null.
inline std::string Describe(const AllKinds& iMessage) {
  auto quoted = [](const char* text, size_t length) {
    return text == nullptr ? std::string("null") : "'" + std::string(text, length) + "'";
  };
  const AllKinds& m = iMessage;
  return std::to_string(m.type) + " " + std::to_string(m.number) + " " + std::to_string(m.count) +
         " " + std::to_string(m.stamp) + " " + quoted(m.name, m.name ? strlen(m.name) : 0) + " " +
         quoted(m.note, m.note ? strlen(m.note) : 0) + " " +
         quoted(m.text, static_cast<size_t>(m.textLength));
}

/// Messages that a handler received, described, in order.
struct Received {
  std::vector<std::string> messages;
};

/// Handler that describes an AllKinds into the Received given as user data and frees it.
inline void KeepAllKinds(void* iMessage, void* iUserData) {
  static_cast<Received*>(iUserData)->messages.push_back(
      Describe(*static_cast<AllKinds*>(iMessage)));
  free(iMessage);
}

/// A plain socket connected to the loopback port, or -1.
inline int RawConnect(int iPort) {
  int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(iPort));
  if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    close(s);
    return -1;
  }
  return s;
}

/// Sends the bytes on a blocking socket, a peer that went away raising no signal; true
/// when all went.
inline bool SendAll(int iSocket, const std::string& iBytes) {
  return send(iSocket, iBytes.data(), iBytes.size(), MSG_NOSIGNAL) ==
         static_cast<ssize_t>(iBytes.size());
}

/// Receives exactly iLength bytes, or fewer when the peer closes.
inline std::string RecvAll(int iSocket, size_t iLength) {
  std::string bytes(iLength, '\0');
  ssize_t received = recv(iSocket, &bytes[0], iLength, MSG_WAITALL);
  bytes.resize(received > 0 ? static_cast<size_t>(received) : 0);
  return bytes;
}

/// Four big-endian bytes of a 32-bit value.
inline std::string Word(uint32_t iValue) {
  uint32_t wire = htonl(iValue);
  return std::string(reinterpret_cast<const char*>(&wire), 4);
}

/// A frame: type, total length (header included) and body.
inline std::string Frame(int iType, const std::string& iBody) {
  return Word(static_cast<uint32_t>(iType)) + Word(static_cast<uint32_t>(8 + iBody.size())) + iBody;
}

/// The request and diagnostic of the pending error of the plain layer, as
/// "CATALOG:REQUEST(p|...) CATALOG:DIAGNOSTIC(p|...)", then forgotten; "no error" when
/// none is pending.
inline std::string TakeReport() {
  MORError* error = MORGetLastError(E_FAIL, nullptr);
  MORCleanLastError();
  if (error == nullptr)
    return "no error";
  auto describe = [](const TOVNLSMsgBldrRfHndlr& builder) {
    if (builder.Get() == nullptr || !builder->IsAKindOf("TOVParamNLSMsgBldrCtlg"))
      return std::string("-");
    auto* message = static_cast<TOVParamNLSMsgBldrCtlg*>(builder.Get());
    std::string text = std::string(message->GetMsgCatalogName()) + ":" + message->GetMsgId() + "(";
    for (int i = 0; i < message->GetNbParameters(); ++i)
      text += (i > 0 ? "|" : "") + tovtest::Utf8(message->GetParameter(i));
    return text + ")";
  };
  auto* tovError = static_cast<TOVError*>(error);
  std::string text =
      describe(tovError->GetHRequestBldr()) + " " + describe(tovError->GetHDiagnosticBldr());
  error->Release();
  return text;
}

/// Writer collecting into a std::string (the context).
inline int StringWriter(void* iContext, int iLength, const void* iSource) {
  static_cast<std::string*>(iContext)->append(static_cast<const char*>(iSource),
                                              static_cast<size_t>(iLength));
  return 0;
}

/// A server and a client connected over loopback in this thread, both with the given
/// handler; the listening socket stays open.
struct LoopbackPair {
  int listener = -1;
  TOVCOMConnection* server = nullptr;
  TOVCOMConnection* client = nullptr;

  explicit LoopbackPair(msg_handler iHandler) {
    int port = FreePort();
    listener = msg_srv_start(&port);
    client = msg_clnt_start("127.0.0.1", port, iHandler);
    server = msg_srv_open(listener, iHandler);
  }
  ~LoopbackPair() {
    if (client != nullptr)
      msg_clnt_stop(client);
    if (server != nullptr)
      msg_srv_close(server);
    if (listener >= 0)
      msg_srv_stop(listener);
  }
};

} // namespace nettest

#endif
