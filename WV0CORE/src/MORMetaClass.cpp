#include "MORMetaClass.h"

#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

// The registry of meta classes. Meta classes are never freed: classes stay registered
// for the whole process and their names and GUIDs are handed out as plain pointers.
struct Registry {
  std::mutex lock;
  std::map<std::string, MORMetaClass*> byName;
  std::vector<MORMetaClass*> inOrder;
};

Registry& TheRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

// SHA-1 of a byte string, enough for name-based UUIDs.
void Sha1(const unsigned char* data, size_t length, unsigned char digest[20]) {
  uint32_t h[5] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};
  std::vector<unsigned char> msg(data, data + length);
  uint64_t bits = static_cast<uint64_t>(length) * 8;
  msg.push_back(0x80);
  while (msg.size() % 64 != 56)
    msg.push_back(0);
  for (int i = 7; i >= 0; --i)
    msg.push_back(static_cast<unsigned char>(bits >> (i * 8)));
  auto rol = [](uint32_t v, int n) { return (v << n) | (v >> (32 - n)); };
  for (size_t chunk = 0; chunk < msg.size(); chunk += 64) {
    uint32_t w[80];
    for (int i = 0; i < 16; ++i)
      w[i] = (uint32_t(msg[chunk + 4 * i]) << 24) | (uint32_t(msg[chunk + 4 * i + 1]) << 16) |
             (uint32_t(msg[chunk + 4 * i + 2]) << 8) | uint32_t(msg[chunk + 4 * i + 3]);
    for (int i = 16; i < 80; ++i)
      w[i] = rol(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
    uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
    for (int i = 0; i < 80; ++i) {
      uint32_t f, k;
      if (i < 20) {
        f = (b & c) | (~b & d);
        k = 0x5A827999u;
      } else if (i < 40) {
        f = b ^ c ^ d;
        k = 0x6ED9EBA1u;
      } else if (i < 60) {
        f = (b & c) | (b & d) | (c & d);
        k = 0x8F1BBCDCu;
      } else {
        f = b ^ c ^ d;
        k = 0xCA62C1D6u;
      }
      uint32_t t = rol(a, 5) + f + e + k + w[i];
      e = d;
      d = c;
      c = rol(b, 30);
      b = a;
      a = t;
    }
    h[0] += a;
    h[1] += b;
    h[2] += c;
    h[3] += d;
    h[4] += e;
  }
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 4; ++j)
      digest[4 * i + j] = static_cast<unsigned char>(h[i] >> (24 - 8 * j));
}

char* CopyText(const char* text) {
  if (text == nullptr)
    return nullptr;
  size_t n = std::strlen(text) + 1;
  char* copy = new char[n];
  std::memcpy(copy, text, n);
  return copy;
}

} // namespace

MORMetaClass::MORMetaClass(const char* name, int classType, MORMetaClass* parent,
                           const char* nullName, const char* framework, size_t instanceSize)
    : _Guid(GuidFromName(name)), _Name(CopyText(name)), _pParent(parent), _ClassType(classType),
      _NullName(CopyText(nullName)), _Framework(CopyText(framework)), _InstanceSize(instanceSize) {}

int MORMetaClass::IsAKindOf(const char* name) const {
  if (name == nullptr)
    return 0;
  for (const MORMetaClass* m = this; m != nullptr; m = m->_pParent)
    if (std::strcmp(m->_Name, name) == 0)
      return 1;
  return 0;
}

int MORMetaClass::IsAKindOf(const MORMetaClass* other) const {
  if (other == nullptr)
    return 0;
  for (const MORMetaClass* m = this; m != nullptr; m = m->_pParent)
    if (m == other)
      return 1;
  return 0;
}

MORMetaClass* MORMetaClass::Find(const char* name) {
  if (name == nullptr)
    return nullptr;
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  auto it = r.byName.find(name);
  return it == r.byName.end() ? nullptr : it->second;
}

MORMetaClass* MORMetaClass::Find(const MORGUID& guid) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  for (MORMetaClass* m : r.inOrder)
    if (m->_Guid == guid)
      return m;
  return nullptr;
}

void MORMetaClass::ForEach(void (*visit)(MORMetaClass*, void*), void* context) {
  std::vector<MORMetaClass*> copy;
  {
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    copy = r.inOrder;
  }
  for (MORMetaClass* m : copy)
    visit(m, context);
}

MORGUID MORMetaClass::GuidFromName(const char* name) {
  // A version 5 (SHA-1, name-based) UUID in a namespace of the runtime's own.
  static const unsigned char ns[16] = {0x6f, 0x0b, 0x3c, 0x52, 0x8e, 0x1d, 0x4a, 0x77,
                                       0x9b, 0x41, 0x2d, 0x5e, 0xc0, 0x13, 0x88, 0x2a};
  std::vector<unsigned char> data(ns, ns + 16);
  if (name != nullptr)
    data.insert(data.end(), name, name + std::strlen(name));
  unsigned char d[20];
  Sha1(data.data(), data.size(), d);
  d[6] = static_cast<unsigned char>((d[6] & 0x0F) | 0x50);
  d[8] = static_cast<unsigned char>((d[8] & 0x3F) | 0x80);
  MORGUID g;
  g.Data1 = (uint32_t(d[0]) << 24) | (uint32_t(d[1]) << 16) | (uint32_t(d[2]) << 8) | d[3];
  g.Data2 = static_cast<uint16_t>((d[4] << 8) | d[5]);
  g.Data3 = static_cast<uint16_t>((d[6] << 8) | d[7]);
  std::memcpy(g.Data4, d + 8, 8);
  return g;
}

extern "C" MORMetaClass* fct_RetrieveMetaObject(const char* className, int classType,
                                                MORMetaClass* parent, const char* nullName,
                                                const char* framework, size_t instanceSize) {
  if (className == nullptr)
    return nullptr;
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  auto it = r.byName.find(className);
  if (it != r.byName.end())
    return it->second;
  MORMetaClass* meta =
      new MORMetaClass(className, classType, parent, nullName, framework, instanceSize);
  r.byName.emplace(className, meta);
  r.inOrder.push_back(meta);
  return meta;
}
