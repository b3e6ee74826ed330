// One column of a line of a tabular listing.
#ifndef TOVLISTLINEFIELDBLDR_H
#define TOVLISTLINEFIELDBLDR_H

#include "MORUnicodeString.h"
#include "TOVMacro.h"

/// A value placed in a column of a given width: left-aligned, right-aligned or centred.
class TOVBASIC_API TOVListLineFieldBldr : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVListLineFieldBldr)
public:
  enum TOVAlignmentEnum {
    /// The value starts at the field's column.
    TOVAlignLeft = 0,
    /// The value ends at the field's column plus its width.
    TOVAlignRight = 1,
    /// The value sits in the middle of the field (any other value means the same).
    TOVAlignCentre = 2
  };

  /// An empty value in a field of length characters.
  TOVListLineFieldBldr(TOVAlignmentEnum mode, int length);
  ~TOVListLineFieldBldr() override;

  virtual void SetValue(const MORUnicodeString& value);
  virtual TOVAlignmentEnum GetAlignmentMode() const;
  /// The field's width in characters.
  virtual int GetLength() const;
  /// Appends the value to line for a field starting at column: pads line with spaces up
  /// to where the value must start; a line already past that point is not cut.
  virtual void Concat(MORUnicodeString& line, int column) const;

private:
  MORUnicodeString _Value;
  TOVAlignmentEnum _AlignmentMode;
  int _Length;
};

#endif
