#pragma once
// The module's tables: their one definition and the installer's table steps.
#include <string>

#include "inserta/TablasModulo.h"
#include "platform/dao/database.h"

namespace nuvia {

// The CREATE TABLE and the ALTER TABLE ... ADD CONSTRAINT ... PRIMARY KEY statements
// of one of kTablasModulo.
std::string SentenciaCreaTabla(const std::string& sTabla);
std::string SentenciaClave(const std::string& sTabla);

// Runs one action statement on gDB. A failure is reported and the statement
// skipped, so the caller goes on: 3010 (the table exists) asks whether to
// overwrite and overwrites nothing whatever the answer (inside the installation's
// transaction it is not asked: its default button, No, answers it), 3283 (the
// table has a key already) is silent, any other error shows its number and text.
// A transaction the database engine rolled back (dao::kErrTransactionLost) goes
// no further: its error leaves, for the run to report.
void EjecutaSentencia(const std::string& sSQL);

// Shows a message box of the run, or keeps it in gMensajesRetenidos while the
// installation's transaction is open.
void Informa(const std::string& sTexto, int estilo, const std::string& sTitulo);

// sTabla is upper case; the table list is refreshed first, so tables another
// program created are seen.
bool ExisteTabla(const std::string& sTabla);
void EliminaTablasTemporales();
void CreaTablas();
void PermiteLongitudCero(const std::string& sTabla);

// The table steps of a run, in order: drop the working copies, create what is
// missing (and renew an earlier guarantee table), let the six debt columns hold "".
void AdecuaTablas();

// The same steps on a database opened elsewhere, for programs and tests that need
// the module's tables exactly as the installer makes them.
void CreaTablasModulo(dao::Database& db);

}  // namespace nuvia
