#pragma once
#include <string>

namespace win {

// The folder the programs know as the Windows folder: WIN.INI and the suite's
// settings file live there, and a profile file named without a folder is taken
// from it. $WINDIR when set, else $XDG_CONFIG_HOME/zep, else ~/.config/zep.
std::string WindowsFolder();

// GetWindowsDirectory: when the folder and its terminating NUL fit in `size`
// characters, buffer receives the folder and the call returns its length; when
// they do not fit, buffer is left alone and the call returns the size needed.
long GetWindowsDirectory(std::string& buffer, long size);

}  // namespace win
