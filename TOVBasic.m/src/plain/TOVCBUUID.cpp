// uuid_gen: 20-character identifiers unique among processes and hosts.
#include "TOVCBUUID.h"
#include "TOVCBClock.h"
#include "TOVCBRadix64.h"

#include <atomic>
#include <cstdint>
#include <cstring>
#include <ifaddrs.h>
#include <mutex>
#include <net/if.h>
#include <pthread.h>
#include <unistd.h>
#if defined(__linux__)
#include <netpacket/packet.h>
#endif

namespace {

/// Bytes 5, 4, 3 and 2, in that order, of the hardware address of the first
/// non-loopback interface; 0 when there is none.
uint32_t ReadNode() {
  uint32_t node = 0;
#if defined(__linux__)
  struct ifaddrs* interfaces = nullptr;
  if (getifaddrs(&interfaces) != 0)
    return 0;
  for (struct ifaddrs* i = interfaces; i != nullptr; i = i->ifa_next) {
    if (i->ifa_addr == nullptr || i->ifa_addr->sa_family != AF_PACKET ||
        (i->ifa_flags & IFF_LOOPBACK) != 0)
      continue;
    const auto* link = reinterpret_cast<const struct sockaddr_ll*>(i->ifa_addr);
    if (link->sll_halen < 6)
      continue;
    const unsigned char* a = link->sll_addr;
    node = static_cast<uint32_t>(a[5]) << 24 | static_cast<uint32_t>(a[4]) << 16 |
           static_cast<uint32_t>(a[3]) << 8 | a[2];
    break;
  }
  freeifaddrs(interfaces);
#endif
  return node;
}

/// The values computed once per process. The process id is read again in a child made by
/// fork, which must not give its parent's identifiers.
struct Constants {
  uint32_t node;
  std::atomic<uint32_t> pid;
  /// Counts the identifiers made; starts at a value of the time-stamp counter, so that
  /// identifiers of a process do not start alike.
  std::atomic<uint32_t> counter;
};

Constants& TheConstants() {
  static Constants* constants = [] {
    auto* made = new Constants{
        ReadNode(), {static_cast<uint32_t>(getpid())}, {static_cast<uint32_t>(tovcb::Ticks())}};
    pthread_atfork(nullptr, nullptr, [] {
      TheConstants().pid.store(static_cast<uint32_t>(getpid()), std::memory_order_relaxed);
    });
    return made;
  }();
  return *constants;
}

/// Bits of the counter in the record; the rest of its 32 bits hold the high bits of the
/// process id (which the system keeps below 2^22).
constexpr int CounterBits = 26;

void PutBigEndian(unsigned char* out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) {
    out[i] = static_cast<unsigned char>(value);
    value >>= 8;
  }
}

} // namespace

extern "C" const char* uuid_gen(void) {
  Constants& constants = TheConstants();
  const uint32_t pid = constants.pid.load(std::memory_order_relaxed);
  const uint32_t count = constants.counter.fetch_add(1, std::memory_order_relaxed);
  unsigned char record[15];
  PutBigEndian(record, static_cast<uint32_t>(tovcb::ClockNs(CLOCK_REALTIME) / 1000000000LL), 4);
  PutBigEndian(record + 4, constants.node, 4);
  record[8] = 5;
  PutBigEndian(record + 9, pid & 0xFFFFu, 2);
  PutBigEndian(record + 11, (pid >> 16) << CounterBits | (count & ((1u << CounterBits) - 1)), 4);
  thread_local char text[21];
  for (int group = 0; group < 5; ++group) {
    const unsigned char* b = record + 3 * group;
    const uint32_t bits =
        static_cast<uint32_t>(b[0]) << 16 | static_cast<uint32_t>(b[1]) << 8 | b[2];
    for (int k = 0; k < 4; ++k)
      text[4 * group + k] = TOVCBRadix64Alphabet[(bits >> (18 - 6 * k)) & 63];
  }
  text[20] = '\0';
  return text;
}
