#include "TOVListLineBldr.h"
#include "TOVVector.h"

#include <cstdint>

TOV_IMPLEMENT_CLASS(TOVListLineBldr, MORBaseUnknown)

TOVListLineBldr::TOVListLineBldr(const TOVString& separator)
    : _pFields(new TOVVector(TOVContainerReleaseAtDelete)), _Separator(separator) {}

TOVListLineBldr::~TOVListLineBldr() {
  _pFields->Release();
}

void TOVListLineBldr::Add(TOVListLineFieldBldr& field) {
  field.AddRef();
  _pFields->Add(&field, 1);
}

void TOVListLineBldr::Build(MORUnicodeString& line) const {
  // Columns count characters, so the separator is measured in its decoded form.
  MORUnicodeString separator(static_cast<const char*>(_Separator));
  line = MORUnicodeString();
  long long column = 0;
  for (int i = 0; i < _pFields->Size(); ++i) {
    if (i > 0)
      line += separator;
    const TOVListLineFieldBldr* field =
        TOVCheckedCast<TOVListLineFieldBldr>(static_cast<const MORBaseUnknown*>((*_pFields)[i]));
    // Widths near the int limits must not wrap the column around.
    long long clamped = column > INT32_MAX ? INT32_MAX : column < INT32_MIN ? INT32_MIN : column;
    field->Concat(line, static_cast<int>(clamped));
    column += field->GetLength() + separator.GetLengthInChar();
  }
}
