// One line of a tabular listing made of aligned fields.
#ifndef TOVLISTLINEBLDR_H
#define TOVLISTLINEBLDR_H

#include "TOVListLineFieldBldr.h"
#include "TOVString.h"

class TOVVector;

/// Builds a line from its fields in the order added, with a separator between two fields.
/// Each field takes its width plus the separator's length, whatever its value's length.
class TOVBASIC_API TOVListLineBldr : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVListLineBldr)
public:
  explicit TOVListLineBldr(const TOVString& separator);
  /// Releases the fields.
  ~TOVListLineBldr() override;

  TOVListLineBldr(const TOVListLineBldr&) = delete;
  TOVListLineBldr& operator=(const TOVListLineBldr&) = delete;

  /// Puts field at the end of the line; the builder takes a reference of its own, so the
  /// caller may keep the field to set its value before each Build.
  virtual void Add(TOVListLineFieldBldr& field);
  /// Replaces line by the fields' values laid out in their columns.
  virtual void Build(MORUnicodeString& line) const;

private:
  TOVVector* _pFields;
  TOVString _Separator;
};

#endif
