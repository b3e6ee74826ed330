#include "TOVListLineBldr.h"
#include "TOVListLineFieldBldrRfHndlr.h"
#include "TOVTestSupport.h"

#include <string>

namespace {

std::string Narrow(const MORUnicodeString& text) {
  return MORUnicodeString::EncodeUtf8(text, text.GetLengthInChar());
}

// The line after concatenating a field of mode, width and value at column to line.
std::string Concat(TOVListLineFieldBldr::TOVAlignmentEnum mode, int width, const char* value,
                   const char* line, int column) {
  TOVListLineFieldBldr field(mode, width);
  field.SetValue(value);
  MORUnicodeString text(line);
  field.Concat(text, column);
  return Narrow(text);
}

} // namespace

TEST(ListLineField, PlacesTheValueByItsAlignment) {
  using F = TOVListLineFieldBldr;
  EXPECT_EQ(Concat(F::TOVAlignLeft, 5, "ab", "", 0), "ab");
  EXPECT_EQ(Concat(F::TOVAlignLeft, 5, "ab", "xy", 4), "xy  ab");
  EXPECT_EQ(Concat(F::TOVAlignRight, 5, "ab", "", 0), "   ab");
  EXPECT_EQ(Concat(F::TOVAlignRight, 4, "7", "x", 3), "x     7");
  // Centred: the free room halved toward zero goes before the value.
  EXPECT_EQ(Concat(F::TOVAlignCentre, 6, "ab", "", 0), "  ab");
  EXPECT_EQ(Concat(F::TOVAlignCentre, 5, "ab", "", 2), "   ab");
  EXPECT_EQ(Concat(static_cast<F::TOVAlignmentEnum>(7), 7, "abc", "", 0), "  abc");
  // Characters, not bytes, are counted.
  EXPECT_EQ(Concat(F::TOVAlignRight, 4, "\xC3\xA9t\xC3\xA9", "", 0), " \xC3\xA9t\xC3\xA9");
}

TEST(ListLineField, NeverCutsTheLineNorPadsPastAWideValue) {
  using F = TOVListLineFieldBldr;
  EXPECT_EQ(Concat(F::TOVAlignLeft, 3, "v", "already long", 2), "already longv");
  EXPECT_EQ(Concat(F::TOVAlignRight, 3, "v", "already long", 2), "already longv");
  EXPECT_EQ(Concat(F::TOVAlignRight, 2, "wider", "", 0), "wider");
  EXPECT_EQ(Concat(F::TOVAlignCentre, 2, "wider", "ab", 1), "abwider");
  // A target of exactly 1 still pads; a negative column never does.
  EXPECT_EQ(Concat(F::TOVAlignRight, 2, "v", "", 0), " v");
  EXPECT_EQ(Concat(F::TOVAlignLeft, 2, "v", "", -4), "v");
  // Widths near the int limits do not wrap around into padding.
  EXPECT_EQ(Concat(F::TOVAlignRight, -2147483647 - 1, "v", "", -5), "v");
  EXPECT_EQ(Concat(F::TOVAlignCentre, -2147483647 - 1, "v", "", 0), "v");

  TOVListLineFieldBldr field(F::TOVAlignRight, 9);
  EXPECT_EQ(field.GetAlignmentMode(), F::TOVAlignRight);
  EXPECT_EQ(field.GetLength(), 9);
  EXPECT_STREQ(field.IsA(), "TOVListLineFieldBldr");
}

TEST(ListLine, BuildsFieldsInTheirColumnsWithSeparators) {
  using F = TOVListLineFieldBldr;
  TOVListLineBldr builder(" | ");
  MORUnicodeString line("left over");
  builder.Build(line);
  EXPECT_EQ(Narrow(line), "");

  // The builder keeps its own reference: the caller's handlers may go.
  TOVListLineFieldBldrRfHndlr name(TOVRfHndlrNoAddRef, new F(F::TOVAlignLeft, 5));
  TOVListLineFieldBldrRfHndlr size(TOVRfHndlrNoAddRef, new F(F::TOVAlignRight, 4));
  builder.Add(*name);
  builder.Add(*size);
  name->SetValue("ab");
  size->SetValue("7");
  builder.Build(line);
  EXPECT_EQ(Narrow(line), "ab |       7");
  EXPECT_EQ(line.GetLengthInChar(), 12);

  // Values are read at each build; a wide value pushes the next one, not its column.
  name->SetValue("abcdefgh");
  size->SetValue("12");
  builder.Build(line);
  EXPECT_EQ(Narrow(line), "abcdefgh | 12");
  TOVListLineFieldBldr* centred = new F(F::TOVAlignCentre, 6);
  centred->SetValue("\xC3\xA9t\xC3\xA9");
  builder.Add(*centred);
  centred->Release();
  name->SetValue("");
  size->SetValue("");
  builder.Build(line);
  // Empty values still pad up to the next column: 12 for the right-aligned end, 15 + 1.
  EXPECT_EQ(Narrow(line), " |           |  \xC3\xA9t\xC3\xA9");
  name = TOVListLineFieldBldrRfHndlr();
  builder.Build(line);
  EXPECT_EQ(Narrow(line), " |           |  \xC3\xA9t\xC3\xA9");
}
