#include "TOVCOMMessageQueue.h"
#include "TOVCBMemory.h"

#include <climits>
#include <cstring>

namespace {

// Send buffers start with this capacity and grow by multiples of it.
const int SendBlock = 65536;
// A receive buffer first expects the header.
const int HeaderLength = 8;

// A buffer of iCapacity bytes; null when memory is short.
TOVCOMBuffer* NewBuffer(int iCapacity) {
  auto* buffer = static_cast<TOVCOMBuffer*>(mem_alloc(sizeof(TOVCOMBuffer)));
  if (buffer == nullptr)
    return nullptr;
  buffer->data = static_cast<char*>(mem_alloc(iCapacity));
  if (buffer->data == nullptr) {
    mem_free(buffer);
    return nullptr;
  }
  buffer->next = nullptr;
  buffer->capacity = iCapacity;
  buffer->failed = 0;
  return buffer;
}

} // namespace

TOVCOMBuffer* msg_buffer_send_new(void) {
  TOVCOMBuffer* buffer = NewBuffer(SendBlock);
  if (buffer != nullptr) {
    buffer->size = SendBlock;
    buffer->pending = 0;
  }
  return buffer;
}

TOVCOMBuffer* msg_buffer_recv_new(void) {
  TOVCOMBuffer* buffer = NewBuffer(HeaderLength);
  if (buffer != nullptr) {
    buffer->size = HeaderLength;
    buffer->pending = HeaderLength;
  }
  return buffer;
}

void msg_buffer_free(TOVCOMBuffer* iBuffer) {
  if (iBuffer == nullptr)
    return;
  mem_free(iBuffer->data);
  mem_free(iBuffer);
}

int msg_buffer_reserve(TOVCOMBuffer* iBuffer, int iCapacity) {
  if (iCapacity <= 0)
    return -1;
  if (iCapacity <= iBuffer->capacity)
    return 0;
  void* data = mem_realloc(iBuffer->data, static_cast<unsigned int>(iCapacity));
  if (data == nullptr)
    return -1;
  iBuffer->data = static_cast<char*>(data);
  iBuffer->capacity = iCapacity;
  return 0;
}

int msg_buffer_write(void* iContext, int iLength, const void* iSource) {
  auto* buffer = static_cast<TOVCOMBuffer*>(iContext);
  if (iLength < 0 || iLength > INT_MAX - buffer->pending)
    return -1;
  long long end = static_cast<long long>(buffer->pending) + iLength;
  if (end > buffer->size) {
    // (capacity + length) rounded up to whole blocks, within what an int can count.
    long long grown =
        (static_cast<long long>(buffer->size) + iLength + SendBlock - 1) / SendBlock * SendBlock;
    if (grown > INT_MAX)
      grown = INT_MAX;
    if (msg_buffer_reserve(buffer, static_cast<int>(grown)) < 0)
      return -1;
    buffer->size = static_cast<int>(grown);
  }
  if (iLength > 0)
    memcpy(buffer->data + buffer->pending, iSource, static_cast<size_t>(iLength));
  buffer->pending += iLength;
  return 0;
}

int msg_buffer_read(void* iContext, int iLength, void* oDestination) {
  auto* buffer = static_cast<TOVCOMBuffer*>(iContext);
  if (iLength < 0 || iLength > buffer->pending) {
    buffer->failed = 1;
    return -1;
  }
  if (iLength > 0)
    memcpy(oDestination, buffer->data + (buffer->size - buffer->pending),
           static_cast<size_t>(iLength));
  buffer->pending -= iLength;
  return 0;
}

void msg_queue_append(TOVCOMQueue* ioQueue, TOVCOMBuffer* iBuffer) {
  iBuffer->next = nullptr;
  if (ioQueue->last == nullptr)
    ioQueue->first = iBuffer;
  else
    ioQueue->last->next = iBuffer;
  ioQueue->last = iBuffer;
  ++ioQueue->count;
}

TOVCOMBuffer* msg_queue_remove(TOVCOMQueue* ioQueue) {
  TOVCOMBuffer* buffer = ioQueue->first;
  if (buffer == nullptr)
    return nullptr;
  ioQueue->first = buffer->next;
  if (ioQueue->first == nullptr)
    ioQueue->last = nullptr;
  --ioQueue->count;
  buffer->next = nullptr;
  return buffer;
}

void msg_queue_clear(TOVCOMQueue* ioQueue) {
  while (TOVCOMBuffer* buffer = msg_queue_remove(ioQueue))
    msg_buffer_free(buffer);
}
