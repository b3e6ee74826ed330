// Source of unique identifiers, replaceable once per process.
#ifndef TOVUUIDCALCULATOR_H
#define TOVUUIDCALCULATOR_H

#include "TOVMacro.h"

/// Hands out unique identifiers; the default one gives uuid_gen() identifiers. A program
/// may set a calculator of its own as the global one, once, before anyone asks for it.
class TOVBASIC_API TOVUUIDCalculator : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVUUIDCalculator)
public:
  TOVUUIDCalculator() = default;
  /// A calculator that goes away stops being the global one.
  ~TOVUUIDCalculator() override;

  /// A new identifier: here uuid_gen(), 20 characters in a buffer of the calling thread
  /// overwritten by its next call.
  virtual const char* Get();

  /// The global calculator: when none is set, a default one, made on first call and
  /// handed to the global object cleaner.
  static TOVUUIDCalculator& GetGlobal();
  /// Makes calculator the global one (not handed to the cleaner: its owner keeps it). A
  /// global calculator that exists already is a fatal internal error ("A global
  /// calculator has already been set").
  static void SetGlobal(TOVUUIDCalculator& calculator);
};

#endif
