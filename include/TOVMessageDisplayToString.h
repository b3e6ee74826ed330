// Message display that collects the text in memory.
#ifndef TOVMESSAGEDISPLAYTOSTRING_H
#define TOVMESSAGEDISPLAYTOSTRING_H

#include "TOVMessageDisplay.h"

/// Appends every message (and its end of line, "\n") to a text that the caller reads.
class TOVBASIC_API TOVMessageDisplayToString : public TOVMessageDisplay {
  TOV_DECLARE_CLASS(TOVMessageDisplayToString)
public:
  /// The collected text is empty.
  TOVMessageDisplayToString() = default;
  ~TOVMessageDisplayToString() override;

  void Display(const MORUnicodeString& msg, unsigned int iNewLine) override;

  /// A copy of the text collected so far.
  virtual MORUnicodeString GetMessageW();
  /// Empties the collected text.
  virtual void Clear();

private:
  MORUnicodeString _Message;
};

#endif
