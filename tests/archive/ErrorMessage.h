#pragma once
// The message of the failure a piece of work raises, for comparing texts.

#include <string>

#include "base/errors/Errors.h"

template <typename Exception = EZelkError, typename Work>
std::wstring MessageOf(Work work) {
  try {
    work();
  } catch (const Exception& error) {
    return error.Message();
  }
  return L"(nothing raised)";
}
