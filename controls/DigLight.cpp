#include "controls/DigLight.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "base/errors/Errors.h"

namespace {

constexpr int kMaxDecimals = 4;  // the currency type's own

constexpr std::int64_t PowerOfTen(int exponent) {
  std::int64_t power = 1;
  for (int i = 0; i < exponent; ++i) power *= 10;
  return power;
}

bool IsDigit(wchar_t character) { return character >= L'0' && character <= L'9'; }

// The scaled currency value of integer part and typed fraction, when the
// currency type can hold it.
std::optional<std::int64_t> Scaled(std::int64_t integerPart, std::int64_t fraction, int count) {
  const std::int64_t fractionScaled = fraction * PowerOfTen(kMaxDecimals - count);
  if (integerPart >
      (std::numeric_limits<std::int64_t>::max() - fractionScaled) / TCurrency::kScale) {
    return std::nullopt;
  }
  return integerPart * TCurrency::kScale + fractionScaled;
}

std::wstring Grouped(std::wstring digits, wchar_t separator) {
  for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), 1, separator);
  }
  return digits;
}

}  // namespace

TDigLightNumber::TDigLightNumber(TNumberSeparators separators) : separators_(separators) {}

void TDigLightNumber::SetDigKeta(int digits) {
  if (digits < 1 || digits > 17) throw EZelkError(L"MaxDegitsは1～17までです。");
  digKeta_ = digits;
  integerLimit_ = PowerOfTen(digits);
}

void TDigLightNumber::SetDigSKeta(int decimals) {
  if (decimals < 0 || decimals > kMaxDecimals) throw EZelkError(L"MaxDegitsは0～4までです。");
  digSKeta_ = decimals;
}

bool TDigLightNumber::SetMoneyHugou(std::wstring_view sign) {
  if (sign.size() != 1) return false;
  moneyHugou_.assign(1, sign.front());
  return true;
}

TCurrency TDigLightNumber::Magnitude() const {
  // Every state the inputs allow fits: they refuse what would not.
  return TCurrency::FromScaled(Scaled(integerPart_, fractionDigits_, fractionCount_).value_or(0));
}

TCurrency TDigLightNumber::GetValue() const {
  const TCurrency magnitude = Magnitude();
  return negative_ ? TCurrency::FromScaled(-magnitude.Scaled()) : magnitude;
}

bool TDigLightNumber::SetValue(TCurrency value) {
  const std::int64_t magnitude = std::abs(value.Scaled());
  const std::int64_t integerPart = magnitude / TCurrency::kScale;
  if (integerPart >= integerLimit_) return false;
  // The fraction cut (not rounded) to DigSKeta decimals, counted as typed:
  // 1.5 reads as "1" "." "5", so that further decimals can follow.
  std::int64_t fraction = magnitude % TCurrency::kScale / PowerOfTen(kMaxDecimals - digSKeta_);
  int count = fraction == 0 ? 0 : digSKeta_;
  while (count > 0 && fraction % 10 == 0) {
    fraction /= 10;
    --count;
  }
  integerPart_ = integerPart;
  fractionDigits_ = fraction;
  fractionCount_ = count;
  negative_ = value.Scaled() < 0;
  return true;
}

std::wstring TDigLightNumber::Text() const {
  // Always DigSKeta decimals, rounded half away from zero when fewer were
  // asked for than the number holds.
  const std::int64_t unit = PowerOfTen(kMaxDecimals - digSKeta_);
  const std::int64_t scaled = Magnitude().Scaled();
  const std::int64_t shown = scaled / unit + (scaled % unit * 2 >= unit ? 1 : 0);
  if (shown == 0 && !ZeroDisplay) return {};

  const std::int64_t decimalsUnit = PowerOfTen(digSKeta_);
  std::wstring integerText = std::to_wstring(shown / decimalsUnit);
  if (Option.Has(OptionNames::dtCammaMode))
    integerText = Grouped(integerText, separators_.Thousands);
  std::wstring text;
  if (Option.Has(OptionNames::dtMoneyMode)) text += moneyHugou_;
  if (negative_ && shown != 0) text += L'-';
  text += integerText;
  if (digSKeta_ > 0) {
    text += separators_.Decimal;
    text += std::to_wstring(decimalsUnit + shown % decimalsUnit).substr(1);  // zero-padded
  }
  return text;
}

void TDigLightNumber::ClearIfSelected(bool textSelected) {
  if (!textSelected) return;
  integerPart_ = 0;
  fractionDigits_ = 0;
  fractionCount_ = 0;
  negative_ = false;
}

TInputResult TDigLightNumber::PressCharacter(wchar_t character, bool textSelected) {
  if (IsDigit(character)) {
    const int digit = character - L'0';
    if (decimalMode_) {
      const std::int64_t fraction = fractionDigits_ * 10 + digit;
      if (fractionCount_ >= digSKeta_ || !Scaled(integerPart_, fraction, fractionCount_ + 1)) {
        return TInputResult::Refused;
      }
      fractionDigits_ = fraction;
      ++fractionCount_;
      return TInputResult::Changed;
    }
    ClearIfSelected(textSelected);
    const std::int64_t integerPart = integerPart_ * 10 + digit;
    if (integerPart >= integerLimit_ || !Scaled(integerPart, 0, 0)) return TInputResult::Refused;
    // A digit of the integer part drops the fraction, and its count with it,
    // so that decimals can be typed again after a point.
    integerPart_ = integerPart;
    fractionDigits_ = 0;
    fractionCount_ = 0;
    return TInputResult::Changed;
  }
  if (character == L'.') {
    if (digSKeta_ == 0) return TInputResult::Unchanged;
    ClearIfSelected(textSelected);
    decimalMode_ = true;
    return TInputResult::Unchanged;
  }
  if (character == L'-') {
    if (!Option.Has(OptionNames::dtMinusMode)) return TInputResult::Refused;
    ClearIfSelected(textSelected);
    negative_ = !negative_;
    return TInputResult::Changed;
  }
  return TInputResult::Unchanged;
}

TInputResult TDigLightNumber::RemoveLastDigit(bool textSelected) {
  ClearIfSelected(textSelected);
  if (decimalMode_) {
    // Right after the point (no decimal typed yet) the point itself goes.
    if (fractionCount_ <= 1) {
      decimalMode_ = false;
      fractionCount_ = 0;
      fractionDigits_ = 0;
    } else {
      --fractionCount_;
      fractionDigits_ /= 10;
    }
  } else {
    integerPart_ /= 10;
  }
  return TInputResult::Changed;
}

TInputResult TDigLightNumber::Paste(std::wstring_view text, bool textSelected) {
  const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);

  // Only a number as this control could show it: sign and currency sign in
  // front, digits with separators, one point. Each key must be taken.
  TDigLightNumber trial = *this;
  bool selected = textSelected;
  bool anyDigit = false;
  bool point = false;
  for (const wchar_t character : text) {
    if (character == separators_.Thousands && anyDigit && !point) continue;
    if (character == moneyHugou_.front() && !anyDigit) continue;
    if (character == L'-' && anyDigit) return TInputResult::Refused;
    if (character == L'.' && (point || digSKeta_ == 0)) return TInputResult::Refused;
    if (!IsDigit(character) && character != L'.' && character != L'-') return TInputResult::Refused;
    if (trial.PressCharacter(character, selected) == TInputResult::Refused) {
      return TInputResult::Refused;
    }
    selected = false;
    anyDigit = anyDigit || IsDigit(character);
    point = point || character == L'.';
  }
  if (!anyDigit) return TInputResult::Refused;
  *this = trial;
  return TInputResult::Changed;
}

std::optional<TRangeViolation> TDigLightNumber::CheckRange() const {
  if (MaxDigit <= 0) return std::nullopt;
  std::wstring message =
      std::to_wstring(MinDigit) + L"～" + std::to_wstring(MaxDigit) + L"の間で、入力してください。";
  const TCurrency value = GetValue();
  if (value > TCurrency(MaxDigit)) return TRangeViolation{std::move(message), MaxDigit};
  if (value < TCurrency(MinDigit)) return TRangeViolation{std::move(message), MinDigit};
  return std::nullopt;
}
