#pragma once
// The message an operation fails with, so that a test can compare it.

#include <string>

#include "base/errors/Errors.h"

// The message of the failure, or "(no failure)".
template <typename Operation>
std::wstring FailureOf(Operation&& operation) {
  try {
    operation();
  } catch (const EZelkError& error) {
    return error.Message();
  }
  return L"(no failure)";
}
