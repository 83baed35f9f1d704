#pragma once
// The suite's settings file and win.ini.
#include <string>

#include "tools/host/suite.h"

namespace host {

// TESCA.INI, section Options, keys in the order the host writes them: SysPath,
// DBPath, DBName, SysUser, SysHelp, SysMenu, SysAsist0942.
void WriteSuiteSettings(const Suite& suite, const SuiteOptions& options);

// win.ini with an [intl] section that passes the programs' regional check.
void WriteRegionalSettings(const std::string& windowsFolder);

}  // namespace host
