// One message of a catalog, ready to be filled with parameters.
#ifndef MORMSG_H
#define MORMSG_H

#include "MORTypes.h"
#include "MORUnicodeString.h"

/// A catalog message. Its text holds %1 ... %9 for the parameters and %% for a percent
/// sign; an empty message stands for an id that the catalog lacks.
class WV0CORE_API MORMsg {
public:
  /// An empty message.
  MORMsg();
  /// A message of text (already free of catalog escapes).
  explicit MORMsg(const MORUnicodeString& text);

  /// Non-zero when the catalog lacks the message.
  int IsEmpty() const { return !_Present; }
  /// The highest parameter number that the text uses (0 when none).
  int GetMaxParamIndex() const { return _MaxParamIndex; }
  /// The text with %n replaced by parameters[n - 1] and %% by %. A %n beyond count stays
  /// as it is; so does a % that is followed by anything else.
  MORUnicodeString BuildMessage(const MORUnicodeString* parameters, int count) const;
  /// The raw text of the message.
  const MORUnicodeString& GetText() const { return _Text; }

private:
  MORUnicodeString _Text;
  int _MaxParamIndex;
  bool _Present;
};

#endif
