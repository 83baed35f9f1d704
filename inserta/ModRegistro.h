#pragma once
// The module's registration in the host tables PARAM, reportes and envio_t.
#include <string>

namespace nuvia {

// Registers the module with the host in gDB: its PARAM rows (tax units, version
// record, table registry...), its reportes rows, its envio_t rows from env942.txt
// and the PARAM rows of Par942.txt. Both files sit in the install
// folder's tmp folder (Par942.txt may sit in the install folder itself) and are read
// whole before anything is deleted: a missing or unreadable file is reported and
// the rows it would replace are kept, and each file's delete and reload run in one
// transaction.
void RegistraModulo();

// Updates the PARAM row of that number and argument, or inserts it.
void GrabaParametro(const std::string& sNumero, const std::string& sArgumento, const std::string& sFuncion,
                    const std::string& sCorrelativo);
bool ExisteParametro(const std::string& sNumero, const std::string& sArgumento);
// An envio_t row of form "0942" for that source table.
bool ExisteEnvio(const std::string& sTablaOrigen);
// Loads Par942.txt: every PARAM 728 row is replaced by the file's rows, and rows
// of other numbers are added or updated.
void CargaParametros();
// Loads env942.txt: the form's envio_t rows are replaced by the file's.
void CargaEnvios();

}  // namespace nuvia
