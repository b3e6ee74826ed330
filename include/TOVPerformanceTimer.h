// Processor and elapsed time measures with process-wide totals.
#ifndef TOVPERFORMANCETIMER_H
#define TOVPERFORMANCETIMER_H

#include "TOVMacro.h"

/// Non-zero when performance traces are wanted: set at the timer's construction from the
/// environment variable "TOV_PERFORMANCE_TRACES" (set, whatever its value, gives 1).
extern "C" TOVBASIC_API unsigned int TOVPerformanceTraces;
/// Processor and elapsed time (milliseconds) of the process-wide measure at the last
/// GetGlobalTime, and the values they had before it.
extern "C" TOVBASIC_API unsigned long TOVGlobalCPUTime;
extern "C" TOVBASIC_API unsigned long TOVGlobalElapsedTime;
extern "C" TOVBASIC_API unsigned long TOVLastGlobalCPUTime;
extern "C" TOVBASIC_API unsigned long TOVLastGlobalElapsedTime;

/// Measures processor and elapsed time through the runtime's timer services. The one timer
/// (GetGlobal) also samples a process-wide measure started at its construction.
class TOVBASIC_API TOVPerformanceTimer : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVPerformanceTimer)
public:
  ~TOVPerformanceTimer() override;

  /// The value of TOVPerformanceTraces.
  virtual unsigned int IsActive();
  /// Sets TOVPerformanceTraces to 1.
  virtual void ActivateTraces();
  /// Sets TOVPerformanceTraces to 0.
  virtual void DesactivateTraces();
  /// Starts this timer's measure again; its times become 0.
  virtual void StartTimer();
  /// Keeps the processor and elapsed time since the last StartTimer.
  virtual void StopTimer();
  /// Moves the global samples into the "Last" variables, then samples the process-wide
  /// measure into TOVGlobalCPUTime and TOVGlobalElapsedTime.
  virtual void GetGlobalTime();

  /// The times kept by the last StopTimer, in milliseconds.
  unsigned long GetCPUTime() const { return _CPUTime; }
  unsigned long GetElapsedTime() const { return _ElapsedTime; }
  /// The result of the last runtime timer call (0 for success).
  long GetStatus() const { return _Status; }

  /// The one timer, made on first call and handed to the global object cleaner.
  static TOVPerformanceTimer& GetGlobal();

protected:
  /// Reads "TOV_PERFORMANCE_TRACES", starts the runtime's library services (a failure is
  /// a fatal internal error "MORStartLibServices() failed") and the process-wide measure.
  TOVPerformanceTimer();

private:
  long _Status;
  long _TimerHandle;
  long _GlobalTimerHandle;
  unsigned long _CPUTime;
  unsigned long _ElapsedTime;
};

#endif
