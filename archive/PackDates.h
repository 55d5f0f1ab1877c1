#pragma once
// The date bounds of a pack (options jo and job): "[l]yymmdd[hhmmss]" or
// "[l]yyyymmdd[hhmmss]".

#include <cstdint>
#include <optional>
#include <string>

// Seconds since 1601-01-01 of the local date and time the text names, the
// time defaulting to defaultTime ("hhmmss"); none for a text of another
// length. A two-digit year is placed in the 100 years from currentYear - 50.
// Digits that form no date or time raise EConvertError.
[[nodiscard]] std::optional<std::int64_t> DateBound(const std::wstring& text,
                                                    const std::wstring& defaultTime,
                                                    int currentYear);
