#pragma once
// Run-time errors of the windows layer.

namespace forms::detail {

// Raises a run-time error of the windows layer (5, 340, 360, 362, 380, 381, 383,
// 400...) with its Spanish description.
[[noreturn]] void Fail(int number);

}  // namespace forms::detail
