// Read-only date value that may be null.
#ifndef TOVEXTDATE_H
#define TOVEXTDATE_H

#include "TOVDate.h"
#include "TOVExtDataType.h"

/// A TOVDate or null.
class TOVBASIC_API TOVExtDate : public TOVExtDataType {
  TOV_DECLARE_CLASS(TOVExtDate)
public:
  TOVExtDate() = default;
  TOVExtDate(const TOVExtDate&) = default;
  TOVExtDate& operator=(const TOVExtDate&) = default;
  ~TOVExtDate() override;

  unsigned int IsDbNull() const override = 0;
  /// The date of a value that is not null.
  virtual const TOVDate& GetDate() const = 0;
};

#endif
