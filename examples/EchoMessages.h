// The messages that tovmsgclient and tovmsgserver exchange, and their converters. Both
// programs register the same converters, so each side can read what the other writes.
#ifndef ECHOMESSAGES_H
#define ECHOMESSAGES_H

#include "TOVCBErrorProcessing.h"
#include "TOVCOMMessage.h"
#include "TOVCOMNet.h"

#include <cstdlib>

enum EchoMessageType { TextType = 0, NumbersType = 1, SumType = 2 };

// A line of text; the server answers it with the text in capitals.
struct TextMessage {
  int type;
  char* text;
};

// Numbers to add; the server answers with a SumMessage.
struct NumbersMessage {
  int type;
  int count;
  int* values;
};

struct SumMessage {
  int type;
  int count;
  int total;
  time_t when;
};

// Messages are allocated in one block with room for their strings and arrays, so that one
// free releases each of them.
inline void* NewMessage(size_t iSize, int iBodyLength) {
  return calloc(1, iSize + static_cast<size_t>(iBodyLength));
}

inline int PutText(void* iMessage, msg_writer iWriter, void* iContext) {
  return msg_string_put(static_cast<TextMessage*>(iMessage)->text, iWriter, iContext);
}

inline void* GetText(int iBodyLength, msg_reader iReader, void* iContext) {
  auto* message = static_cast<TextMessage*>(NewMessage(sizeof(TextMessage), iBodyLength));
  if (message == nullptr)
    return nullptr;
  char* storage = reinterpret_cast<char*>(message + 1);
  if (msg_string_get(iReader, iContext, &storage, &message->text) < 0) {
    free(message);
    return nullptr;
  }
  return message;
}

inline int PutNumbers(void* iMessage, msg_writer iWriter, void* iContext) {
  auto* message = static_cast<NumbersMessage*>(iMessage);
  if (msg_int_put(message->count, iWriter, iContext) < 0)
    return -1;
  for (int i = 0; i < message->count; ++i)
    if (msg_int_put(message->values[i], iWriter, iContext) < 0)
      return -1;
  return 0;
}

inline void* GetNumbers(int iBodyLength, msg_reader iReader, void* iContext) {
  auto* message = static_cast<NumbersMessage*>(NewMessage(sizeof(NumbersMessage), iBodyLength));
  if (message == nullptr)
    return nullptr;
  message->values = reinterpret_cast<int*>(message + 1);
  // The count comes from the peer: it must fit in the body that holds the values.
  bool valid = msg_int_get(iReader, iContext, &message->count) == 0 && message->count >= 0 &&
               message->count <= iBodyLength / 4;
  for (int i = 0; valid && i < message->count; ++i)
    valid = msg_int_get(iReader, iContext, &message->values[i]) == 0;
  if (!valid) {
    free(message);
    return nullptr;
  }
  return message;
}

inline int PutSum(void* iMessage, msg_writer iWriter, void* iContext) {
  auto* message = static_cast<SumMessage*>(iMessage);
  if (msg_int_put(message->count, iWriter, iContext) < 0 ||
      msg_int_put(message->total, iWriter, iContext) < 0 ||
      msg_time_put(message->when, iWriter, iContext) < 0)
    return -1;
  return 0;
}

inline void* GetSum(int iBodyLength, msg_reader iReader, void* iContext) {
  auto* message = static_cast<SumMessage*>(NewMessage(sizeof(SumMessage), iBodyLength));
  if (message == nullptr || msg_int_get(iReader, iContext, &message->count) < 0 ||
      msg_int_get(iReader, iContext, &message->total) < 0 ||
      msg_time_get(iReader, iContext, &message->when) < 0) {
    free(message);
    return nullptr;
  }
  return message;
}

// Installs the library's error processing, starts the network layer and registers the
// messages; false (the error shown) when the network layer cannot start.
inline bool StartEchoMessages() {
  ErrorProcessingStart();
  if (net_start() != 0) {
    err_display();
    return false;
  }
  msg_register(TextType, GetText, PutText);
  msg_register(NumbersType, GetNumbers, PutNumbers);
  msg_register(SumType, GetSum, PutSum);
  return true;
}

#endif
