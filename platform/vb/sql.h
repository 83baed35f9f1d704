#pragma once
// Values as quoted SQL text literals.
#include <string>

namespace vb {

// A value written as a quoted SQL text literal, its apostrophes doubled:
// O'Brien becomes 'O''Brien'. The programs build their SQL as text, so every value
// that comes from a user, a file or the settings goes through this helper; a value
// without an apostrophe gives the same SQL as plain quoting.
std::string SqlText(const std::string& value);

}  // namespace vb
