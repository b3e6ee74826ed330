#include "TOVPerformanceTimer.h"
#include "MORLibServices.h"
#include "TOVFatalInternalError.h"
#include "TOVGlobalObjectCleaner.h"

#include <cstdlib>
#include <mutex>

TOV_IMPLEMENT_CLASS(TOVPerformanceTimer, MORBaseUnknown)

unsigned int TOVPerformanceTraces = 0;
unsigned long TOVGlobalCPUTime = 0;
unsigned long TOVGlobalElapsedTime = 0;
unsigned long TOVLastGlobalCPUTime = 0;
unsigned long TOVLastGlobalElapsedTime = 0;

namespace {

TOVPerformanceTimer* GlobalTimer = nullptr;
std::mutex GlobalLock;

} // namespace

TOVPerformanceTimer::TOVPerformanceTimer()
    : _Status(0), _TimerHandle(-1), _GlobalTimerHandle(-1), _CPUTime(0), _ElapsedTime(0) {
  TOVPerformanceTraces = getenv("TOV_PERFORMANCE_TRACES") != nullptr ? 1 : 0;
  _Status = MORStartLibServices();
  if (_Status != 0)
    TOVFatalInternalError("MORStartLibServices() failed");
  _GlobalTimerHandle = MORResetTimes(-1);
}

TOVPerformanceTimer::~TOVPerformanceTimer() {
  std::lock_guard<std::mutex> guard(GlobalLock);
  if (GlobalTimer == this)
    GlobalTimer = nullptr;
}

unsigned int TOVPerformanceTimer::IsActive() {
  return TOVPerformanceTraces;
}

void TOVPerformanceTimer::ActivateTraces() {
  TOVPerformanceTraces = 1;
}

void TOVPerformanceTimer::DesactivateTraces() {
  TOVPerformanceTraces = 0;
}

void TOVPerformanceTimer::StartTimer() {
  _TimerHandle = MORResetTimes(_TimerHandle);
  _CPUTime = 0;
  _ElapsedTime = 0;
}

void TOVPerformanceTimer::StopTimer() {
  _Status = MORGetTimes(_TimerHandle, _CPUTime, _ElapsedTime);
}

void TOVPerformanceTimer::GetGlobalTime() {
  TOVLastGlobalElapsedTime = TOVGlobalElapsedTime;
  TOVLastGlobalCPUTime = TOVGlobalCPUTime;
  _Status = MORGetTimes(_GlobalTimerHandle, TOVGlobalCPUTime, TOVGlobalElapsedTime);
}

TOVPerformanceTimer& TOVPerformanceTimer::GetGlobal() {
  std::lock_guard<std::mutex> guard(GlobalLock);
  if (GlobalTimer == nullptr) {
    GlobalTimer = new TOVPerformanceTimer;
    TOVGlobalObjectCleaner::Add(GlobalTimer);
  }
  return *GlobalTimer;
}
