#include <gtest/gtest.h>

#include <functional>

#include "base/errors/Errors.h"
#include "controls/DigLight.h"

namespace {

constexpr wchar_t kBackspace = L'<';
constexpr wchar_t kFocus = L'|';  // the focus comes back: digits go to the integer part

struct TTyped {
  std::wstring text;
  int beeps = 0;
};

// Types the keys as the control hands them on, with nothing selected.
TTyped Type(TDigLightNumber& number, std::wstring_view keys) {
  TTyped typed;
  for (const wchar_t key : keys) {
    TInputResult result = TInputResult::Unchanged;
    if (key == kBackspace) {
      result = number.RemoveLastDigit(false);
    } else if (key == kFocus) {
      number.EndDecimalMode();
    } else {
      result = number.PressCharacter(key, false);
    }
    if (result == TInputResult::Refused) ++typed.beeps;
  }
  typed.text = number.Text();
  return typed;
}

using TSetup = std::function<void(TDigLightNumber&)>;
const TSetup kDefaults = [](TDigLightNumber&) {};
const TSetup kTwoDecimals = [](TDigLightNumber& n) { n.SetDigSKeta(2); };

TCurrency Scaled(std::int64_t scaled) { return TCurrency::FromScaled(scaled); }

}  // namespace

TEST(DigLightNumber, KeysChangeTheNumberAndItsFixedText) {
  const struct {
    const char* name;
    TSetup setup;
    std::wstring keys;
    std::wstring text;
    int beeps;
  } cases[] = {
      {"thousands separator", kDefaults, L"1234", L"1,234", 0},
      {"backspace drops the last digit", kDefaults, L"1234<", L"123", 0},
      {"a digit past DigKeta beeps", [](TDigLightNumber& n) { n.SetDigKeta(2); }, L"123", L"12", 1},
      {"decimals are padded", kTwoDecimals, L"1.5", L"1.50", 0},
      {"second decimal", kTwoDecimals, L"1.57", L"1.57", 0},
      {"a third decimal beeps", kTwoDecimals, L"1.578", L"1.57", 1},
      {"backspace drops a decimal", kTwoDecimals, L"1.57<", L"1.50", 0},
      {"the last decimal ends decimal mode", kTwoDecimals, L"1.57<<3", L"13.00", 0},
      {"backspace right after the point takes the point", kTwoDecimals, L"12.<3", L"123.00", 0},
      {"an integer digit drops the fraction and its count", kTwoDecimals, L"1.5|2.7", L"12.70", 0},
      {"no point without decimals", kDefaults, L"1.5", L"15", 0},
      {"minus toggles the sign", kDefaults, L"5-", L"-5", 0},
      {"minus twice", kDefaults, L"5--", L"5", 0},
      {"minus without dtMinusMode beeps",
       [](TDigLightNumber& n) { n.Option.Exclude(OptionNames::dtMinusMode); }, L"-5", L"5", 1},
      {"money sign before the minus",
       [](TDigLightNumber& n) { n.Option.Include(OptionNames::dtMoneyMode); }, L"5-", L"\\-5", 0},
      {"without separators", [](TDigLightNumber& n) { n.Option.Exclude(OptionNames::dtCammaMode); },
       L"1234567", L"1234567", 0},
      // Past the currency type's 922,337,203,685,477 a number would overflow.
      {"digits past what the number type holds beep", [](TDigLightNumber& n) { n.SetDigKeta(17); },
       L"9999999999999999", L"99,999,999,999,999", 2},
  };
  for (const auto& c : cases) {
    TDigLightNumber number;
    c.setup(number);
    const TTyped typed = Type(number, c.keys);
    EXPECT_EQ(typed.text, c.text) << c.name;
    EXPECT_EQ(typed.beeps, c.beeps) << c.name;
  }
}

TEST(DigLightNumber, AnInputOverASelectionStartsANewNumber) {
  TDigLightNumber number;
  number.SetDigSKeta(2);
  const auto typedOver = [&](wchar_t key) {
    number.SetValue(-1234);
    number.PressCharacter(key, true);
    return number.Text();
  };
  EXPECT_EQ(typedOver(L'5'), L"5.00");
  EXPECT_EQ(typedOver(L'-'), L"0.00") << "the sign of a number of 0 is not shown";
  EXPECT_EQ(number.GetValue(), TCurrency(0));
  typedOver(L'.');
  EXPECT_EQ(Type(number, L"5").text, L"0.50");
  number.SetValue(1234);
  number.RemoveLastDigit(true);
  EXPECT_EQ(number.Text(), L"0.00");
}

TEST(DigLightNumber, SetValueShowsTheValueInTheFixedFormat) {
  const TSetup money = [](TDigLightNumber& n) { n.Option.Include(OptionNames::dtMoneyMode); };
  const struct {
    const char* name;
    TSetup setup;
    TCurrency value;
    std::wstring text;
    TCurrency got;
  } cases[] = {
      {"whole number", kDefaults, 1234567, L"1,234,567", 1234567},
      {"negative money", money, -5, L"\\-5", -5},
      {"cut, not rounded", kTwoDecimals, Scaled(12599), L"1.25", Scaled(12500)},
      {"negative fraction", kTwoDecimals, Scaled(-5000), L"-0.50", Scaled(-5000)},
      {"zero hidden", [](TDigLightNumber& n) { n.ZeroDisplay = false; }, 0, L"", 0},
      {"thousands and decimals", kTwoDecimals, Scaled(12345000), L"1,234.50", Scaled(12345000)},
  };
  for (const auto& c : cases) {
    TDigLightNumber number;
    c.setup(number);
    EXPECT_TRUE(number.SetValue(c.value)) << c.name;
    EXPECT_EQ(number.Text(), c.text) << c.name;
    EXPECT_EQ(number.GetValue(), c.got) << c.name;
  }

  TDigLightNumber german({L'.', L','});
  german.SetDigSKeta(2);
  german.SetValue(Scaled(12345000));
  EXPECT_EQ(german.Text(), L"1.234,50");
}

TEST(DigLightNumber, SetValueOfAWholeNumberGivesItBackExactly) {
  TDigLightNumber number;
  number.SetValue(12);
  EXPECT_EQ(number.GetValue(), TCurrency(12));
  EXPECT_EQ(number.GetValue().Truncated(), 12);
}

TEST(DigLightNumber, AValuePastDigKetaIsRefusedAndTheNumberStays) {
  TDigLightNumber number;
  number.SetDigKeta(2);
  number.SetValue(42);
  EXPECT_FALSE(number.SetValue(100));
  EXPECT_FALSE(number.SetValue(-100));
  EXPECT_EQ(number.Text(), L"42");
  EXPECT_TRUE(number.SetValue(99));
}

TEST(DigLightNumber, ASetFractionCountsItsDecimalsAsTyped) {
  TDigLightNumber number;
  number.SetDigSKeta(2);
  number.SetValue(Scaled(12500));
  EXPECT_EQ(Type(number, L".<").text, L"1.20");
  number.SetValue(Scaled(15000));
  EXPECT_EQ(Type(number, L".7").text, L"1.57");
}

TEST(DigLightNumber, OutOfRangePropertiesAreRefused) {
  TDigLightNumber number;
  for (const int digits : {0, 18}) {
    try {
      number.SetDigKeta(digits);
      ADD_FAILURE() << "DigKeta " << digits << " was taken";
    } catch (const EZelkError& error) {
      EXPECT_EQ(error.Message(), L"MaxDegitsは1～17までです。");
    }
  }
  for (const int decimals : {-1, 5}) {
    try {
      number.SetDigSKeta(decimals);
      ADD_FAILURE() << "DigSKeta " << decimals << " was taken";
    } catch (const EZelkError& error) {
      EXPECT_EQ(error.Message(), L"MaxDegitsは0～4までです。");
    }
  }
  EXPECT_EQ(number.DigKeta(), 9);
  EXPECT_EQ(number.DigSKeta(), 0);
  EXPECT_FALSE(number.SetMoneyHugou(L""));
  EXPECT_FALSE(number.SetMoneyHugou(L"US$"));
  EXPECT_EQ(number.MoneyHugou(), L"\\");
  EXPECT_TRUE(number.SetMoneyHugou(L"$"));
}

TEST(DigLightNumber, LeavingOutsideTheRangeGivesTheMessageAndTheViolatedBound) {
  const struct {
    std::int32_t maxDigit;
    TCurrency value;
    std::optional<std::int64_t> bound;
  } cases[] = {
      {72, 100, 72},          {72, -8, 6}, {72, 72, std::nullopt}, {72, 6, std::nullopt},
      {0, 100, std::nullopt},  // the check is off
  };
  for (const auto& c : cases) {
    TDigLightNumber number;
    number.MaxDigit = c.maxDigit;
    number.MinDigit = 6;
    number.SetValue(c.value);
    const auto violation = number.CheckRange();
    ASSERT_EQ(violation.has_value(), c.bound.has_value()) << c.value.Truncated();
    if (!violation) continue;
    EXPECT_EQ(violation->Bound, *c.bound);
    EXPECT_EQ(violation->Message, L"6～72の間で、入力してください。");
  }
}

TEST(DigLightNumber, APasteTypesTheNumberOrNothing) {
  const struct {
    std::wstring clipboard;
    TSetup setup;
    std::wstring text;
  } cases[] = {
      {L"1,234", kDefaults, L"1,234"},   {L" 42\r\n", kDefaults, L"42"},
      {L"-7", kDefaults, L"-7"},         {L"\\1,000", kDefaults, L"1,000"},
      {L"3.25", kTwoDecimals, L"3.25"},  {L"12abc", kDefaults, L"5"},
      {L"1.5", kDefaults, L"5"},          // no decimals here
      {L"3.257", kTwoDecimals, L"5.00"},  // one decimal too many
      {L"1234567890", kDefaults, L"5"},   // past DigKeta
      {L"4-2", kDefaults, L"5"},         {L"", kDefaults, L"5"},
  };
  for (const auto& c : cases) {
    TDigLightNumber number;
    c.setup(number);
    number.SetValue(5);
    const TInputResult result = number.Paste(c.clipboard, true);
    EXPECT_EQ(number.Text(), c.text) << testing::PrintToString(c.clipboard);
    EXPECT_EQ(result == TInputResult::Refused, c.text == L"5" || c.text == L"5.00");
  }
}
