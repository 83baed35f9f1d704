#pragma once
#include <string>

// The send summary's run: started by the host with the key of a declaration being
// sent, it writes the text and spool summaries of the entity's payment mode and
// copies both under the declaration's name, where the host picks them up. It
// speaks only through a message box when something fails.
namespace tarvel {

// The start procedure: the work, the copies ("0942" + period + entity + tail, as
// .PRN in the report folder and .txt in the temporary folder), the removal of the
// random-named text file, then End. An error ends the run with "Error tecnico: "
// and what is written stays; a taxpayer missing from CONT ends it after its own
// message, without copies. The program ends with EXIT_SUCCESS only when both
// copies were made, with EXIT_FAILURE on every other road, which takes the
// random-named text file away.
void Main();

// DBPath, DBName and SysUser from TESCA.INI (section Options), and the paths they
// give: the database, the report folder and the temporary folder.
void LeeConfiguracionResumen();

// Writes SystemDB into TESCA.INI and opens the database into gDB; when it cannot,
// it says why ("Intente nuevamente por favor.") and ends the program with
// EXIT_FAILURE.
void AbreBaseResumen();

// Settings, database, command line, boxes, entity, name, text summary and spool
// summary, in that order. False, after "No existe data para Generar Reporte de
// Envio!!!", when CONT has no such taxpayer; nothing is written then.
bool GeneraResumen();

// Splits the command line into gsRuc (characters 3-17), gsPeriodo (22-27),
// gsSemana (28) and gsCola (29-36), shorter or empty past its end. A field that
// holds a path separator, ".." or a control character is refused (error 5): they
// reach SQL and file names. Blanks are kept wherever they stand.
void LeeLineaComando();

// "0942" followed by the period, the entity code and the tail.
std::string RaizSalida();

}  // namespace tarvel
