#pragma once
// The date letters of Format.
#include <string>

#include "platform/vb/date.h"

namespace vb {

// One section of a date pattern applied to a date (the date letters of Format).
std::string FormatDate(Date value, const std::string& section);

}  // namespace vb
