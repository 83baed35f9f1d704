#pragma once
// The installer's shared state.
#include <string>
#include <vector>

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

// A message box of the run, held back until it can be shown (Informa, ModTablas.h).
struct Mensaje {
  std::string texto;
  int estilo = 0;
  std::string titulo;
};

// While the installation's transaction is open, the boxes of the run wait here
// and are shown once it has ended: a box waiting for its answer would keep the
// database's write lock, and with it the host and every other program that
// writes the database, for as long as the person takes. Null otherwise.
extern std::vector<Mensaje>* gMensajesRetenidos;

}  // namespace nuvia
