#pragma once
// The installer's shared state.
#include <string>

#include "platform/dao/database.h"

namespace nuvia {

// The installer's own program state, apart from the main program's.
// gsSysPath: the suite's install folder as the settings file gives it (normally
// ending with one backslash). gDB: the host database, open from ConectaBaseDatos
// until RegistraModulo closes it.
extern std::string gsSysPath;
extern dao::DatabasePtr gDB;

}  // namespace nuvia
