#pragma once
// Suite paths with "\" separators and any case, as this system's paths.
#include <string>

namespace win::detail {

// The suite names its files as on a case-insensitive system with "\" separators
// ("TESCA.INI", "C:\ZEP\Data"). "\" counts as "/", and a component that does not
// exist with its exact case takes the first name (in sorted order) of its folder
// that matches it case-insensitively; components that match nothing are kept as
// given, so the result also names a file about to be created.
std::string ResolvePath(const std::string& path);

// True when the name has no folder part: such a profile file lives in the
// Windows folder.
bool IsBareFileName(const std::string& name);

}  // namespace win::detail
