// Object-pointer value read only as const.
#ifndef TOVEXTCONSTPOINTER_H
#define TOVEXTCONSTPOINTER_H

#include "TOVExtPointer.h"

/// The branch of object-pointer values that give their object only as const.
class TOVBASIC_API TOVExtConstPointer : public TOVExtPointer {
  TOV_DECLARE_CLASS(TOVExtConstPointer)
public:
  TOVExtConstPointer() = default;
  TOVExtConstPointer(const TOVExtConstPointer&) = default;
  TOVExtConstPointer& operator=(const TOVExtConstPointer&) = default;
  ~TOVExtConstPointer() override;
};

#endif
