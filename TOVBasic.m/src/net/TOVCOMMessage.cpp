#include "TOVCOMMessage.h"
#include "TOVCBErrorProcessing.h"
#include "TOVCBMemory.h"
#include "TOVCBPerformance.h"
#include "TOVCOMNet.h"

#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

const int HeaderLength = 8;
// The most buffers that one send call takes from the output queue.
const int SendGather = 64;
// A body is allocated as it arrives, in steps that start at this size and double, so that a
// peer announcing a long frame holds only the memory of the bytes it really sends.
const int FirstBodyCapacity = 256 * 1024;

struct Converters {
  msg_input_converter input;
  msg_output_converter output;
};

// The registry: zero at start, so every type begins without converters.
Converters Registry[TOV_MSG_TYPE_COUNT];

size_t MaxFrameLength = TOV_MSG_DEFAULT_MAX_LENGTH;

perf_counter SendCounter = {"send", 0, 0, 0, 0, nullptr};
perf_counter RecvCounter = {"recv", 0, 0, 0, 0, nullptr};

const unsigned char Zeros[4] = {0, 0, 0, 0};

// Bytes of padding after an item of iLength bytes.
int PaddingOf(unsigned int iLength) {
  return static_cast<int>((4 - iLength % 4) % 4);
}

int PutWord(uint32_t iValue, msg_writer iWriter, void* iContext) {
  uint32_t wire = htonl(iValue);
  return iWriter(iContext, 4, &wire) < 0 ? -1 : 0;
}

int GetWord(msg_reader iReader, void* iContext, uint32_t* oValue) {
  uint32_t wire;
  if (iReader(iContext, 4, &wire) < 0)
    return -1;
  *oValue = ntohl(wire);
  return 0;
}

// Reads iLength bytes and their padding into the storage at *ioCursor; gives where they
// went, or null when the reader failed.
char* GetBytes(msg_reader iReader, void* iContext, int iLength, char** ioCursor) {
  char* start = *ioCursor;
  if (iReader(iContext, iLength, start) < 0)
    return nullptr;
  int padding = PaddingOf(static_cast<unsigned int>(iLength));
  unsigned char scratch[4];
  if (padding > 0 && iReader(iContext, padding, scratch) < 0)
    return nullptr;
  *ioCursor = start + iLength;
  return start;
}

// Reports the failure of a socket call made just before on iSocket, naming its peer.
void ReportSocketError(const char* iFile, int iLine, int iOperation, int iSocket) {
  int error = errno;
  char peer[64] = "?";
  sockaddr_in address{};
  socklen_t length = sizeof address;
  if (getpeername(iSocket, reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
      address.sin_family == AF_INET) {
    char host[INET_ADDRSTRLEN];
    inet_ntop(AF_INET, &address.sin_addr, host, sizeof host);
    snprintf(peer, sizeof peer, "%s:%d", host, ntohs(address.sin_port));
  }
  errno = error;
  sock_error(iFile, iLine, iOperation, peer);
}

// Makes one socket call counted by ioCounter, again while a signal interrupts it, and
// reports its failure as iOperation on iSocket. Gives what the call gave.
template <class Call>
ssize_t CountedCall(perf_counter& ioCounter, int iOperation, int iSocket, Call iCall) {
  perf_begin(&ioCounter);
  ssize_t result;
  do {
    result = iCall();
  } while (result < 0 && errno == EINTR);
  if (result < 0)
    ReportSocketError(__FILE__, __LINE__, iOperation, iSocket);
  perf_end(&ioCounter);
  return result;
}

// Runs iStep until iQueue is empty; -1 at the first failure, else the last step's result.
template <class Step> int Drain(const TOVCOMQueue& iQueue, Step iStep) {
  int result = 0;
  while (iQueue.count > 0)
    if ((result = iStep()) < 0)
      return -1;
  return result;
}

// A new connection over iSocket (-1: none, null given), or null when memory is short, the
// socket then closed with iClose.
TOVCOMConnection* NewConnection(int iSocket, msg_handler iHandler, void (*iClose)(int)) {
  if (iSocket < 0)
    return nullptr;
  auto* connection = static_cast<TOVCOMConnection*>(mem_alloc(sizeof(TOVCOMConnection)));
  if (connection == nullptr) {
    iClose(iSocket);
    return nullptr;
  }
  connection->socket = iSocket;
  connection->input = TOVCOMQueue{0, nullptr, nullptr};
  connection->output = TOVCOMQueue{0, nullptr, nullptr};
  connection->handler = iHandler;
  return connection;
}

void FreeConnection(TOVCOMConnection* iConnection) {
  msg_queue_clear(&iConnection->input);
  msg_queue_clear(&iConnection->output);
  mem_free(iConnection);
}

// What decoding a complete receive buffer found.
enum class Decoded { Failed, BodyToCome, Message };

// Decodes the front receive buffer once all it expects has come: either the header, which
// announces a body still to come, or a whole frame, which the type's input converter turns
// into *oMessage. Reports an invalid frame.
Decoded DecodeBuffer(TOVCOMBuffer* ioBuffer, void** oMessage) {
  ioBuffer->pending = ioBuffer->size;
  uint32_t type = 0, length = 0;
  GetWord(msg_buffer_read, ioBuffer, &type);
  GetWord(msg_buffer_read, ioBuffer, &length);
  int frameType = static_cast<int>(type);
  int frameLength = static_cast<int>(length);
  if (frameType < 0 || frameType >= TOV_MSG_TYPE_COUNT || frameLength < 0 ||
      static_cast<size_t>(frameLength) > MaxFrameLength) {
    com_error(__FILE__, __LINE__, COM_ERR_INPUT_CONV, nullptr);
    return Decoded::Failed;
  }
  if (frameLength > ioBuffer->size) {
    if (msg_buffer_reserve(ioBuffer,
                           frameLength < FirstBodyCapacity ? frameLength : FirstBodyCapacity) < 0)
      return Decoded::Failed;
    ioBuffer->size = frameLength;
    ioBuffer->pending = frameLength - HeaderLength;
    return Decoded::BodyToCome;
  }
  msg_input_converter input = Registry[frameType].input;
  if (input == nullptr) {
    com_error(__FILE__, __LINE__, COM_ERR_INPUT_CONV, nullptr);
    return Decoded::Failed;
  }
  ioBuffer->failed = 0;
  void* message = input(ioBuffer->pending, msg_buffer_read, ioBuffer);
  if (message == nullptr || ioBuffer->failed) {
    // A converter that read past the body and still made a message broke its contract; the
    // message is not handed on, as it was built from bytes that were never there.
    com_error(__FILE__, __LINE__, COM_ERR_INPUT_CONV, nullptr);
    return Decoded::Failed;
  }
  *static_cast<int*>(message) = frameType;
  ioBuffer->pending = 0;
  *oMessage = message;
  return Decoded::Message;
}

// Room for the next receive call in the front buffer: the body grows as it arrives.
int MakeRoom(TOVCOMBuffer* ioBuffer) {
  int position = ioBuffer->size - ioBuffer->pending;
  if (position < ioBuffer->capacity)
    return 0;
  long long grown = 2LL * ioBuffer->capacity;
  return msg_buffer_reserve(ioBuffer,
                            grown < ioBuffer->size ? static_cast<int>(grown) : ioBuffer->size);
}

} // namespace

int msg_int_put(int iValue, msg_writer iWriter, void* iContext) {
  return PutWord(static_cast<uint32_t>(iValue), iWriter, iContext);
}

int msg_unsigned_put(unsigned int iValue, msg_writer iWriter, void* iContext) {
  return PutWord(iValue, iWriter, iContext);
}

int msg_time_put(time_t iValue, msg_writer iWriter, void* iContext) {
  if (iValue < INT32_MIN || iValue > INT32_MAX)
    return -1;
  return PutWord(static_cast<uint32_t>(static_cast<int32_t>(iValue)), iWriter, iContext);
}

int msg_int_get(msg_reader iReader, void* iContext, int* oValue) {
  uint32_t value;
  if (GetWord(iReader, iContext, &value) < 0)
    return -1;
  *oValue = static_cast<int32_t>(value);
  return 0;
}

int msg_unsigned_get(msg_reader iReader, void* iContext, unsigned int* oValue) {
  uint32_t value;
  if (GetWord(iReader, iContext, &value) < 0)
    return -1;
  *oValue = value;
  return 0;
}

int msg_time_get(msg_reader iReader, void* iContext, time_t* oValue) {
  uint32_t value;
  if (GetWord(iReader, iContext, &value) < 0)
    return -1;
  *oValue = static_cast<time_t>(static_cast<int32_t>(value));
  return 0;
}

int msg_string_put(const char* iString, msg_writer iWriter, void* iContext) {
  if (iString == nullptr)
    iString = "";
  size_t length = strlen(iString) + 1;
  if (length > static_cast<size_t>(INT_MAX - 8))
    return -1;
  int padding = PaddingOf(static_cast<unsigned int>(length));
  if (PutWord(static_cast<uint32_t>(length), iWriter, iContext) < 0 ||
      iWriter(iContext, static_cast<int>(length), iString) < 0 ||
      (padding > 0 && iWriter(iContext, padding, Zeros) < 0))
    return -1;
  return 0;
}

int msg_string_get(msg_reader iReader, void* iContext, char** ioCursor, char** oString) {
  *oString = nullptr;
  int length;
  if (msg_int_get(iReader, iContext, &length) < 0)
    return -1;
  if (length <= 0)
    return 0;
  char* start = *ioCursor;
  if (GetBytes(iReader, iContext, length, ioCursor) == nullptr)
    return -1;
  // Without its zero byte the string would run on past the storage of the message.
  if (start[length - 1] != '\0') {
    *ioCursor = start;
    return -1;
  }
  *oString = start;
  return 0;
}

int msg_text_put(const void* iBytes, int iLength, msg_writer iWriter, void* iContext) {
  if (iLength < 0)
    return -1;
  int padding = PaddingOf(static_cast<unsigned int>(iLength));
  if (iWriter(iContext, iLength, iBytes) < 0 ||
      (padding > 0 && iWriter(iContext, padding, Zeros) < 0))
    return -1;
  return 0;
}

int msg_text_get(msg_reader iReader, void* iContext, int iLength, char** ioCursor, char** oText) {
  *oText = nullptr;
  if (iLength < 0)
    return -1;
  *oText = GetBytes(iReader, iContext, iLength, ioCursor);
  return *oText == nullptr ? -1 : 0;
}

int msg_register(int iType, msg_input_converter iInput, msg_output_converter iOutput) {
  if (iType < 0 || iType >= TOV_MSG_TYPE_COUNT)
    err_prog(__FILE__, __LINE__, "Wrong message type (%d)", iType);
  Registry[iType].input = iInput;
  Registry[iType].output = iOutput;
  return 0;
}

size_t msg_set_max_length(size_t iBytes) {
  size_t previous = MaxFrameLength;
  if (iBytes == 0)
    MaxFrameLength = TOV_MSG_DEFAULT_MAX_LENGTH;
  else
    MaxFrameLength = iBytes < static_cast<size_t>(INT_MAX) ? iBytes : INT_MAX;
  return previous;
}

int msg_srv_start(int* ioPort) {
  return net_serv_start(ioPort);
}

void msg_srv_stop(int iSocket) {
  net_serv_stop(iSocket);
}

TOVCOMConnection* msg_srv_open(int iSocket, msg_handler iHandler) {
  return NewConnection(net_serv_open(iSocket), iHandler, net_serv_close);
}

void msg_srv_close(TOVCOMConnection* iConnection) {
  net_serv_close(iConnection->socket);
  FreeConnection(iConnection);
}

TOVCOMConnection* msg_clnt_start(const char* iHost, int iPort, msg_handler iHandler) {
  return NewConnection(net_clnt_start(iHost, iPort), iHandler, net_clnt_stop);
}

void msg_clnt_stop(TOVCOMConnection* iConnection) {
  net_clnt_stop(iConnection->socket);
  FreeConnection(iConnection);
}

int msg_send(void* iMessage, TOVCOMConnection* iConnection, int iWait) {
  int type = *static_cast<int*>(iMessage);
  if (type < 0 || type >= TOV_MSG_TYPE_COUNT || Registry[type].output == nullptr)
    err_prog(__FILE__, __LINE__, "Undefined converter for output message type %d", type);
  TOVCOMBuffer* buffer = msg_buffer_send_new();
  if (buffer == nullptr)
    return -1;
  msg_int_put(type, msg_buffer_write, buffer);
  msg_int_put(0, msg_buffer_write, buffer);
  if (Registry[type].output(iMessage, msg_buffer_write, buffer) < 0) {
    msg_buffer_free(buffer);
    return -1;
  }
  buffer->size = buffer->pending;
  uint32_t length = htonl(static_cast<uint32_t>(buffer->size));
  memcpy(buffer->data + 4, &length, 4);
  msg_queue_append(&iConnection->output, buffer);
  if (!iWait)
    return 1;
  return Drain(iConnection->output, [&] { return msg_send_process(iConnection); });
}

int msg_send_process(TOVCOMConnection* iConnection) {
  TOVCOMBuffer* buffer = iConnection->output.first;
  if (buffer == nullptr)
    return 0;
  // One call sends the front buffer's pending bytes and, behind them, the buffers queued
  // after it (up to SendGather): frames queued without waiting leave together.
  iovec pieces[SendGather];
  int count = 0;
  for (TOVCOMBuffer* b = buffer; b != nullptr && count < SendGather; b = b->next, ++count) {
    pieces[count].iov_base = b->data + (b->size - b->pending);
    pieces[count].iov_len = static_cast<size_t>(b->pending);
  }
  msghdr message{};
  message.msg_iov = pieces;
  message.msg_iovlen = static_cast<size_t>(count);
  int socket = iConnection->socket;
  // Without MSG_NOSIGNAL a peer that went away would end the process with SIGPIPE.
  ssize_t sent = CountedCall(SendCounter, SOCK_OP_SEND, socket,
                             [&] { return sendmsg(socket, &message, MSG_NOSIGNAL); });
  if (sent < 0)
    return -1;
  while (sent > 0) {
    buffer = iConnection->output.first;
    int part = sent < buffer->pending ? static_cast<int>(sent) : buffer->pending;
    buffer->pending -= part;
    sent -= part;
    if (buffer->pending == 0)
      msg_buffer_free(msg_queue_remove(&iConnection->output));
  }
  return 0;
}

int msg_recv(TOVCOMConnection* iConnection, void* iUserData, int iWait) {
  TOVCOMBuffer* buffer = msg_buffer_recv_new();
  if (buffer == nullptr)
    return -1;
  msg_queue_append(&iConnection->input, buffer);
  if (!iWait)
    return 1;
  return Drain(iConnection->input, [&] { return msg_recv_process(iConnection, iUserData); });
}

int msg_recv_process(TOVCOMConnection* iConnection, void* iUserData) {
  TOVCOMBuffer* buffer = iConnection->input.first;
  if (buffer == nullptr)
    return 1;
  if (MakeRoom(buffer) < 0)
    return -1;
  int position = buffer->size - buffer->pending;
  int room = buffer->capacity - position;
  int socket = iConnection->socket;
  size_t wanted = static_cast<size_t>(buffer->pending < room ? buffer->pending : room);
  ssize_t received = CountedCall(RecvCounter, SOCK_OP_RECV, socket,
                                 [&] { return recv(socket, buffer->data + position, wanted, 0); });
  if (received < 0)
    return -1;
  if (received == 0) {
    msg_buffer_free(msg_queue_remove(&iConnection->input));
    return 0;
  }
  buffer->pending -= static_cast<int>(received);
  if (buffer->pending > 0)
    return static_cast<int>(received);
  void* message = nullptr;
  Decoded decoded = DecodeBuffer(buffer, &message);
  if (decoded == Decoded::BodyToCome)
    return static_cast<int>(received);
  // The buffer leaves the queue before the handler runs, so that the handler may queue
  // further receives or wait for them on the same connection.
  msg_buffer_free(msg_queue_remove(&iConnection->input));
  if (decoded == Decoded::Failed) {
    // Nothing that follows an invalid frame can be read: the peer is told the connection
    // is over, and later steps see its end.
    shutdown(iConnection->socket, SHUT_RDWR);
    return -1;
  }
  if (iConnection->handler != nullptr)
    iConnection->handler(message, iUserData);
  return static_cast<int>(received);
}
