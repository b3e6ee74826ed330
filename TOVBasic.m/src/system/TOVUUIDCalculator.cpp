#include "TOVUUIDCalculator.h"
#include "TOVCBUUID.h"
#include "TOVFatalInternalError.h"
#include "TOVGlobalObjectCleaner.h"

#include <mutex>

TOV_IMPLEMENT_CLASS(TOVUUIDCalculator, MORBaseUnknown)

namespace {

/// The global calculator, made or set once; the lock keeps two threads from both making
/// one.
TOVUUIDCalculator* GlobalCalculator = nullptr;
std::mutex GlobalLock;

} // namespace

TOVUUIDCalculator::~TOVUUIDCalculator() {
  std::lock_guard<std::mutex> guard(GlobalLock);
  if (GlobalCalculator == this)
    GlobalCalculator = nullptr;
}

const char* TOVUUIDCalculator::Get() {
  return uuid_gen();
}

TOVUUIDCalculator& TOVUUIDCalculator::GetGlobal() {
  std::lock_guard<std::mutex> guard(GlobalLock);
  if (GlobalCalculator == nullptr) {
    GlobalCalculator = new TOVUUIDCalculator;
    TOVGlobalObjectCleaner::Add(GlobalCalculator);
  }
  return *GlobalCalculator;
}

void TOVUUIDCalculator::SetGlobal(TOVUUIDCalculator& calculator) {
  std::unique_lock<std::mutex> guard(GlobalLock);
  if (GlobalCalculator != nullptr) {
    guard.unlock();
    TOVFatalInternalError("A global calculator has already been set");
  }
  GlobalCalculator = &calculator;
}
