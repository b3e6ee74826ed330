// Typed messages over a TCP connection: the marshalling primitives, the registry of
// converters of the 11 message types, framing, and sending and receiving either to
// completion or one system call at a time.
//
// A message is a structure of the calling program whose first field is an int, its type
// (0 to 10). Frames are an 8-byte header (type, then total length with the header, both
// 32-bit big-endian) and a body of 4-byte items written by the type's output converter.
#ifndef TOVCOMMESSAGE_H
#define TOVCOMMESSAGE_H

#include "TOVCOMMessageQueue.h"
#include "TOVExport.h"

#include <stddef.h>
#include <time.h>

#ifdef __cplusplus
extern "C" {
#endif

/// The number of message types: types run from 0 to TOV_MSG_TYPE_COUNT - 1.
#define TOV_MSG_TYPE_COUNT 11
/// The largest frame that a receiver accepts unless the program sets another maximum.
#define TOV_MSG_DEFAULT_MAX_LENGTH ((size_t)64 * 1024 * 1024)

/// Writes iLength bytes of iSource for the primitives; 0, or negative on failure.
typedef int (*msg_writer)(void* iContext, int iLength, const void* iSource);
/// Reads iLength bytes into oDestination for the primitives; 0, or negative on failure.
typedef int (*msg_reader)(void* iContext, int iLength, void* oDestination);
/// Writes the fields of iMessage with the msg_*_put primitives; negative on failure.
typedef int (*msg_output_converter)(void* iMessage, msg_writer iWriter, void* iContext);
/// Builds a message from a body of iBodyLength bytes with the msg_*_get primitives; null
/// on failure (it must then free what it made). The library stores the type afterwards.
typedef void* (*msg_input_converter)(int iBodyLength, msg_reader iReader, void* iContext);
/// Receives each decoded message with the user data given to msg_recv. The library frees
/// no message: the handler or the converter's owner does.
typedef void (*msg_handler)(void* iMessage, void* iUserData);

/// One open connection and its queues.
typedef struct TOVCOMConnection {
  int socket;
  TOVCOMQueue input;
  TOVCOMQueue output;
  msg_handler handler;
} TOVCOMConnection;

/// Primitives: each gives 0, or -1 when the writer or reader failed or the value cannot be
/// written or what was read is not a valid item.

/// A 32-bit two's complement integer.
TOVBASIC_API int msg_int_put(int iValue, msg_writer iWriter, void* iContext);
/// A 32-bit unsigned integer.
TOVBASIC_API int msg_unsigned_put(unsigned int iValue, msg_writer iWriter, void* iContext);
/// A calendar time in seconds, as 32 bits; -1 for a time that 32 signed bits cannot hold.
TOVBASIC_API int msg_time_put(time_t iValue, msg_writer iWriter, void* iContext);
TOVBASIC_API int msg_int_get(msg_reader iReader, void* iContext, int* oValue);
TOVBASIC_API int msg_unsigned_get(msg_reader iReader, void* iContext, unsigned int* oValue);
/// Reads a 32-bit signed calendar time.
TOVBASIC_API int msg_time_get(msg_reader iReader, void* iContext, time_t* oValue);
/// The string's length with its terminating zero, its bytes and the zero, then zero padding
/// to a multiple of 4. A null string is written as the empty one.
TOVBASIC_API int msg_string_put(const char* iString, msg_writer iWriter, void* iContext);
/// Reads a string into the caller's storage at *ioCursor, which moves past it, and points
/// *oString at it; a length of 0 or less gives a null string. A string must end with its
/// zero byte (else -1 and *oString null). A storage area as large as the message body
/// always suffices.
TOVBASIC_API int msg_string_get(msg_reader iReader, void* iContext, char** ioCursor,
                                char** oString);
/// iLength bytes known to both sides, then zero padding to a multiple of 4.
TOVBASIC_API int msg_text_put(const void* iBytes, int iLength, msg_writer iWriter, void* iContext);
/// Reads iLength bytes (and their padding) into the storage at *ioCursor, which moves past
/// them, and points *oText at them; -1 for a negative length.
TOVBASIC_API int msg_text_get(msg_reader iReader, void* iContext, int iLength, char** ioCursor,
                              char** oText);

/// Registers the converters of a message type (0 to 10, else the process stops); either
/// may be null. Gives 0.
TOVBASIC_API int msg_register(int iType, msg_input_converter iInput, msg_output_converter iOutput);
/// Sets the largest frame, header included, that a receiver accepts (at most 2 GiB - 1;
/// 0 restores the default of 64 MiB) and gives the previous maximum. A longer frame is
/// refused as invalid before anything is allocated for it.
TOVBASIC_API size_t msg_set_max_length(size_t iBytes);

/// A listening socket, as net_serv_start gives it.
TOVBASIC_API int msg_srv_start(int* ioPort);
/// Closes a listening socket.
TOVBASIC_API void msg_srv_stop(int iSocket);
/// Accepts one client and gives its connection, or null (reported).
TOVBASIC_API TOVCOMConnection* msg_srv_open(int iSocket, msg_handler iHandler);
/// Closes the connection and frees it with whatever its queues hold.
TOVBASIC_API void msg_srv_close(TOVCOMConnection* iConnection);
/// Connects to a server and gives the connection, or null (reported).
TOVBASIC_API TOVCOMConnection* msg_clnt_start(const char* iHost, int iPort, msg_handler iHandler);
/// Closes the connection and frees it with whatever its queues hold.
TOVBASIC_API void msg_clnt_stop(TOVCOMConnection* iConnection);

/// Frames the message and queues it. iWait 0: gives 1 and leaves the sending to
/// msg_send_process. Else sends until the output queue is empty and gives 0, or -1 at the
/// first failure. A type without output converter stops the process.
TOVBASIC_API int msg_send(void* iMessage, TOVCOMConnection* iConnection, int iWait);
/// One send call for the front buffer; 0 (also with nothing to send), or -1 (reported).
TOVBASIC_API int msg_send_process(TOVCOMConnection* iConnection);
/// Queues the receipt of one message. iWait 0: gives 1 and leaves the receiving to
/// msg_recv_process. Else receives until the input queue is empty and gives the last
/// step's result (0 when the peer closed), or -1 at the first failure.
TOVBASIC_API int msg_recv(TOVCOMConnection* iConnection, void* iUserData, int iWait);
/// One receive call for the front buffer; a complete message goes to the connection's
/// handler. Gives the bytes received, 0 when the peer closed (the buffer is dropped), 1
/// with nothing queued, or -1 when the call failed or the frame is invalid (reported; an
/// invalid frame also shuts the connection down, as nothing after it can be trusted).
TOVBASIC_API int msg_recv_process(TOVCOMConnection* iConnection, void* iUserData);

#ifdef __cplusplus
}
#endif

#endif
