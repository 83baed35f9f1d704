#pragma once
// The installer's run: settings, database, tables and registration.
#include <functional>
#include <string>

namespace nuvia {

// The installer's run: reads the install folder from TESCA.INI, opens the host
// database, brings the module's tables to shape, registers the module and closes
// the database. It shows nothing when all goes well. Without an install folder it
// says "Debe instalar primero el ZEP " and ends the program untouched. A run that
// failed (no install folder, no database, a step reported as failed) ends the
// program with EXIT_FAILURE.
void Main();

// Opens install folder & DBName into gDB; when the database cannot be opened it
// says why (title "Error de Conección") and ends the program, so it only ever
// answers True. It then holds the suite's lock alone until the program ends;
// while the main program or another installation runs on the suite, or when
// the lock file cannot be opened, it says so and ends the program before any
// table is touched.
bool ConectaBaseDatos(const std::string& sRuta);

// The work order: the table steps, then the registration, in one transaction,
// committed only when no step failed; then gDB is closed and the run's message
// boxes, held back until then, are shown.
void ActualizaTablas(const std::string& sRuta);

// The folder part up to the last backslash lists a name and the whole path lists
// a name. A missing folder (error 76) is a silent False; any other error is shown
// (title "Error de Ejecución") and answered False too, never "exists".
bool VerificaArchivo(const std::string& sRuta);

// The directory listing VerificaArchivo asks (vb::Dir); tests put a listing that
// fails in its place to reach the error road.
using ListadoArchivos = std::function<std::string(const std::string&)>;
void FijaListadoArchivos(ListadoArchivos listado);

}  // namespace nuvia
