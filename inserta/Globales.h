#pragma once
// The installer's shared state.
#include <string>

#include "platform/dao/database.h"

namespace nuvia {

// The installer's own program state, apart from the main program's.
// gsSysPath: the suite's install folder as the settings file gives it (normally
// ending with one backslash). gDB: the host database, open from ConectaBaseDatos
// until the run's work order closes it.
extern std::string gsSysPath;
extern dao::DatabasePtr gDB;

// Set when a step of the run failed and was reported (a statement the database
// refused, an input file not loaded): the run goes on with the other steps and
// then ends with a failure status, so that whoever ran the installation knows.
extern bool gbPasoFallido;

}  // namespace nuvia
