#include "TOVListLineBldr.h"
#include "TOVListLineFieldBldrRfHndlr.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"

using F = TOVListLineFieldBldr;
using tovtest::Utf8;

namespace {

// The line after placing a field of mode, width and value at column after line.
std::string Concat(F::TOVAlignmentEnum mode, int width, const char* value, const char* line,
                   int column) {
  F field(mode, width);
  field.SetValue(value);
  MORUnicodeString text(line);
  field.Concat(text, column);
  return Utf8(text);
}

} // namespace

TEST(ListLineField, PlacesTheValueByItsAlignmentWithoutCuttingTheLine) {
  EXPECT_EQ(Concat(F::TOVAlignLeft, 5, "ab", "xy", 4), "xy  ab");
  EXPECT_EQ(Concat(F::TOVAlignRight, 4, "7", "x", 3), "x     7");
  EXPECT_EQ(Concat(F::TOVAlignRight, 2, "v", "", 0), " v"); // a target of 1 still pads
  EXPECT_EQ(Concat(F::TOVAlignCentre, 5, "ab", "", 2), "   ab");
  EXPECT_EQ(Concat(F::TOVAlignRight, 4, "\xC3\xA9t\xC3\xA9", "", 0), " \xC3\xA9t\xC3\xA9");
  EXPECT_EQ(Concat(F::TOVAlignLeft, 3, "v", "already long", 2), "already longv");
  EXPECT_EQ(Concat(F::TOVAlignCentre, 2, "wider", "ab", 1), "abwider");
  // Widths near the int limits do not wrap around into padding.
  EXPECT_EQ(Concat(F::TOVAlignRight, -2147483647 - 1, "v", "", -5), "v");
}

TEST(ListLine, BuildsFieldsInTheirColumnsWithSeparators) {
  TOVListLineBldr builder(" | ");
  MORUnicodeString line("left over");
  builder.Build(line);
  EXPECT_EQ(Utf8(line), "");
  // The builder keeps its own reference: the caller's handlers may go.
  TOVListLineFieldBldrRfHndlr name(TOVRfHndlrNoAddRef, new F(F::TOVAlignLeft, 5));
  TOVListLineFieldBldrRfHndlr size(TOVRfHndlrNoAddRef, new F(F::TOVAlignRight, 4));
  builder.Add(*name);
  builder.Add(*size);
  name->SetValue("ab");
  size->SetValue("7");
  builder.Build(line);
  EXPECT_EQ(Utf8(line), "ab |       7");
  // Values are read at each build; a wide value pushes the next one, not its column.
  name->SetValue("abcdefgh");
  size->SetValue("12");
  builder.Build(line);
  EXPECT_EQ(Utf8(line), "abcdefgh | 12");
  name->SetValue("");
  size->SetValue("");
  TOVListLineFieldBldrRfHndlr centred(TOVRfHndlrNoAddRef, new F(F::TOVAlignCentre, 6));
  centred->SetValue("\xC3\xA9t\xC3\xA9");
  builder.Add(*centred);
  name = size = centred = TOVListLineFieldBldrRfHndlr();
  builder.Build(line);
  EXPECT_EQ(Utf8(line), " |           |  \xC3\xA9t\xC3\xA9");
}
