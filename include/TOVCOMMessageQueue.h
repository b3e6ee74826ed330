// Buffers and queues of the message layer: one buffer per message being sent or received,
// and the first-in first-out queue of such buffers that a connection keeps in each
// direction.
#ifndef TOVCOMMESSAGEQUEUE_H
#define TOVCOMMESSAGEQUEUE_H

#include "TOVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/// One message being sent or received. The first four fields are those that every user of
/// the layer reads; capacity and failed belong to the library.
typedef struct TOVCOMBuffer {
  /// The following buffer of its queue.
  struct TOVCOMBuffer* next;
  /// Bytes of data the buffer holds (a send buffer being filled: its capacity), or, while
  /// receiving, the bytes it expects.
  int size;
  /// Bytes that a send, a receive or a read still has to move; the current position is
  /// size minus pending. A send buffer being filled keeps its write position here.
  int pending;
  /// The bytes.
  char* data;
  /// Bytes allocated at data.
  int capacity;
  /// Set when a read asked for more bytes than were pending.
  int failed;
} TOVCOMBuffer;

/// Buffers in arrival order: appended at the end, removed from the front.
typedef struct TOVCOMQueue {
  int count;
  TOVCOMBuffer* first;
  TOVCOMBuffer* last;
} TOVCOMQueue;

/// A new send buffer of 65536 bytes, write position 0; null when memory is short (reported).
TOVBASIC_API TOVCOMBuffer* msg_buffer_send_new(void);
/// A new receive buffer expecting the 8 header bytes; null when memory is short (reported).
TOVBASIC_API TOVCOMBuffer* msg_buffer_recv_new(void);
/// Frees the buffer and its data; a null buffer is ignored.
TOVBASIC_API void msg_buffer_free(TOVCOMBuffer* iBuffer);
/// Makes room for iCapacity bytes in all, keeping the bytes held; 0, or -1 when memory is
/// short or iCapacity is not positive.
TOVBASIC_API int msg_buffer_reserve(TOVCOMBuffer* iBuffer, int iCapacity);

/// Writer over a send buffer (iContext): appends iLength bytes at the write position,
/// growing the data to a multiple of 65536 bytes when needed; 0, or -1 when the buffer
/// cannot grow or would exceed 2 GiB.
TOVBASIC_API int msg_buffer_write(void* iContext, int iLength, const void* iSource);
/// Reader over a received buffer (iContext): copies iLength bytes from the current position
/// and moves past them; 0, or -1 without copying when fewer than iLength bytes are left or
/// iLength is negative (the buffer is then marked failed).
TOVBASIC_API int msg_buffer_read(void* iContext, int iLength, void* oDestination);

/// Appends the buffer at the end of the queue.
TOVBASIC_API void msg_queue_append(TOVCOMQueue* ioQueue, TOVCOMBuffer* iBuffer);
/// Takes the front buffer off the queue and gives it, or null when the queue is empty.
TOVBASIC_API TOVCOMBuffer* msg_queue_remove(TOVCOMQueue* ioQueue);
/// Frees every buffer of the queue, which is left empty.
TOVBASIC_API void msg_queue_clear(TOVCOMQueue* ioQueue);

#ifdef __cplusplus
}
#endif

#endif
