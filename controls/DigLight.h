#pragma once
// The number behind the digit entry control TDigLight: integer part,
// typed fraction digits and sign, changed key by key, and the fixed text
// shown for it. The text is derived from the number, never parsed back.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "controls/Currency.h"
#include "controls/EnumSet.h"

enum class OptionNames {
  dtMoneyMode,  // MoneyHugou before the number
  dtCammaMode,  // thousands separators
  dtMinusMode,  // the minus key toggles the sign
  dtCalcMode,   // stored only
};
using TOptionAttrib = TEnumSet<OptionNames>;

// The locale's characters for the shown text.
struct TNumberSeparators {
  wchar_t Thousands = L',';
  wchar_t Decimal = L'.';
};

// What an input did to the number.
enum class TInputResult {
  Unchanged,  // nothing to show (also: the key means nothing here)
  Changed,    // the text must be shown again
  Refused,    // a beep; the number is as before
};

// A value outside MinDigit..MaxDigit on leaving: the message and the bound
// that replaces the value.
struct TRangeViolation {
  std::wstring Message;
  std::int64_t Bound = 0;
};

class TDigLightNumber {
 public:
  static constexpr int kDefaultDigKeta = 9;

  explicit TDigLightNumber(TNumberSeparators separators = {});

  [[nodiscard]] int DigKeta() const { return digKeta_; }
  // 1 to 17; otherwise raises EZelkError "MaxDegitsは1～17までです。".
  void SetDigKeta(int digits);
  [[nodiscard]] int DigSKeta() const { return digSKeta_; }
  // 0 to 4; otherwise raises EZelkError "MaxDegitsは0～4までです。".
  void SetDigSKeta(int decimals);
  [[nodiscard]] const std::wstring& MoneyHugou() const { return moneyHugou_; }
  // Stored only when it is exactly one character; false otherwise.
  bool SetMoneyHugou(std::wstring_view sign);

  TOptionAttrib Option{OptionNames::dtCammaMode, OptionNames::dtMinusMode, OptionNames::dtCalcMode};
  std::int32_t MaxDigit = 0;  // the range check is off while <= 0
  std::int32_t MinDigit = 0;
  bool ZeroDisplay = true;

  [[nodiscard]] TCurrency GetValue() const;
  // Cuts the fraction to DigSKeta decimals. A whole part past DigKeta digits
  // is refused (false) and nothing changes.
  bool SetValue(TCurrency value);
  [[nodiscard]] std::wstring Text() const;
  [[nodiscard]] bool DecimalMode() const { return decimalMode_; }

  // A character typed: digits, '.', '-'; others change nothing. With a
  // selection in the text, an input that changes the number starts anew.
  TInputResult PressCharacter(wchar_t character, bool textSelected);
  // Backspace and Delete: the last digit goes.
  TInputResult RemoveLastDigit(bool textSelected);
  // The characters of a pasted number typed one by one; all or nothing.
  TInputResult Paste(std::wstring_view text, bool textSelected);
  // Focus gained or a click: digits go to the integer part again.
  void EndDecimalMode() { decimalMode_ = false; }
  // The check made when the focus leaves the control.
  [[nodiscard]] std::optional<TRangeViolation> CheckRange() const;

 private:
  void ClearIfSelected(bool textSelected);
  [[nodiscard]] TCurrency Magnitude() const;

  TNumberSeparators separators_;
  int digKeta_ = kDefaultDigKeta;
  int digSKeta_ = 0;
  std::int64_t integerLimit_ = 1'000'000'000;
  std::wstring moneyHugou_ = L"\\";

  std::int64_t integerPart_ = 0;     // never negative: the sign is apart
  std::int64_t fractionDigits_ = 0;  // ".25" is 25 ...
  int fractionCount_ = 0;            // ... with a count of 2
  bool negative_ = false;
  bool decimalMode_ = false;
};
