#include <gtest/gtest.h>

#include <functional>

#include "platform/testsupport/error_of.h"
#include "platform/vb/vb.h"

namespace {

using vb::Variant;
using testsupport::ErrorOf;

TEST(Variant, KeepsTheRuntimeSubtypes) {
  struct Case {
    Variant value;
    vb::VbVarType type;
  } cases[] = {
      {Variant(), vb::vbEmpty},
      {vb::Null, vb::vbNull},
      {Variant::Integer(5), vb::vbInteger},
      {5, vb::vbLong},
      {Variant::Long(5), vb::vbLong},
      {5000000000LL, vb::vbDouble},
      {1.5f, vb::vbSingle},
      {1.5, vb::vbDouble},
      {vb::CCur("1.5"), vb::vbCurrency},
      {vb::DateSerial(2006, 1, 1), vb::vbDate},
      {"x", vb::vbString},
      {std::string("x"), vb::vbString},
      {true, vb::vbBoolean},
      {Variant::Byte(6), vb::vbByte},
  };
  for (const Case& c : cases) EXPECT_EQ(vb::VarType(c.value), c.type);
}

TEST(Variant, ConcatenationTreatsNullAsEmptyText) {
  EXPECT_EQ((vb::Null & Variant("x")).ToString(), "x");
  EXPECT_EQ((Variant("x") & vb::Null).ToString(), "x");
  EXPECT_TRUE((vb::Null & vb::Null).IsNull());
  EXPECT_EQ((Variant(12) & Variant("/") & Variant(2.5)).ToString(), "12/2.5");
  EXPECT_EQ((Variant(vb::CCur("3.10")) & Variant(true)).ToString(), "3.1True");
  EXPECT_EQ((Variant(vb::DateSerial(2006, 3, 5)) & Variant("")).ToString(), "05/03/2006");
  EXPECT_EQ((Variant() & Variant("a")).ToString(), "a");
}

TEST(Variant, ReadingNullAsTextOrNumberRaisesNinetyFour) {
  Variant null = vb::Null;
  EXPECT_EQ(ErrorOf([&] { null.ToString(); }), 94);
  EXPECT_EQ(ErrorOf([&] { null.ToDouble(); }), 94);
  EXPECT_EQ(ErrorOf([&] { null.ToLong(); }), 94);
  EXPECT_EQ(ErrorOf([&] { null.ToCurrency(); }), 94);
  EXPECT_EQ(ErrorOf([&] { null.ToDate(); }), 94);
  EXPECT_EQ(ErrorOf([&] { null.ToBool(); }), 94);
  EXPECT_EQ(Variant().ToString(), "");
  EXPECT_EQ(Variant().ToDouble(), 0);
}

TEST(Variant, ConversionsOfTexts) {
  EXPECT_EQ(Variant("1,234.5").ToDouble(), 1234.5);
  EXPECT_EQ(Variant("2.5").ToLong(), 2);
  EXPECT_EQ(Variant("15/03/2006").ToDate(), vb::DateSerial(2006, 3, 15));
  EXPECT_EQ(Variant("12.3456789").ToCurrency().Raw(), 123457);
  EXPECT_EQ(ErrorOf([] { Variant("abc").ToDouble(); }), 13);
  EXPECT_EQ(ErrorOf([] { Variant("70000").ToInteger(); }), 6);
  EXPECT_EQ(ErrorOf([] { Variant(1.5).As<std::string>(); }), 13);
}

TEST(Variant, ComparesAsTheRuntimeDoes) {
  using vb::Comparison;
  struct Case {
    Variant a;
    Variant b;
    Comparison expected;
  } cases[] = {
      {2, 10, Comparison::Less},
      {"2", "10", Comparison::Greater},
      {5, "a", Comparison::Less},
      {"a", 5, Comparison::Greater},
      {Variant(), 0, Comparison::Equal},
      {Variant(), "", Comparison::Equal},
      {vb::Null, 1, Comparison::Null},
      {1, vb::Null, Comparison::Null},
      {Variant::Integer(3), 3.0, Comparison::Equal},
      {vb::CCur("0.1"), vb::CCur("0.10"), Comparison::Equal},
      {"Ñ", "N", Comparison::Greater},
      {"a", "A", Comparison::Greater},
  };
  for (const Case& c : cases) EXPECT_EQ(vb::Compare(c.a, c.b), c.expected);
  EXPECT_TRUE(Variant(3) == Variant(3.0));
  EXPECT_FALSE(Variant(vb::Null) == Variant(vb::Null));
}

TEST(CurrencyArithmetic, IsExactAndRoundsProductsHalfToEven) {
  using vb::Currency;
  EXPECT_EQ(Currency::FromRaw(1) + Currency::FromRaw(2), Currency::FromRaw(3));
  EXPECT_EQ(vb::CCur("0.1") + vb::CCur("0.2"), vb::CCur("0.3"));
  EXPECT_EQ(vb::CCur("1.0001") * vb::CCur("0.5"), vb::CCur("0.5"));
  EXPECT_EQ(vb::CCur("1.0003") * vb::CCur("0.5"), vb::CCur("0.5002"));
  EXPECT_EQ(Currency::FromDouble(0.00005).Raw(), 0);
  EXPECT_EQ(Currency::FromDouble(0.00015).Raw(), 2);
  EXPECT_EQ(Currency::FromDouble(-0.00025).Raw(), -2);
  EXPECT_EQ(vb::CCur("10") / vb::CCur("4"), 2.5);
  EXPECT_EQ(ErrorOf([] { vb::CCur("1") / vb::CCur("0"); }), 11);
  EXPECT_EQ(ErrorOf([] { Currency::FromRaw(INT64_MAX) + Currency::FromRaw(1); }), 6);
  EXPECT_EQ(ErrorOf([] { Currency::FromDouble(1e15); }), 6);
}

}  // namespace
