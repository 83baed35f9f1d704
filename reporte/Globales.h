#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "platform/dao/database.h"

// The send summary's own program state, apart from the main program's: what the
// settings give, the declaration the command line names, what is gathered about
// it and the state of the summary writers.
namespace tarvel {

// The host database, open from AbreBaseResumen until the program ends.
extern dao::DatabasePtr gDB;
// The text in which each SQL statement is built just before it runs.
extern std::string gsSQL;

// From TESCA.INI: the host's data folder (every path is it followed directly by
// a name), the database file and the user; and what they give: the database
// path and the report and temporary folders ("RPT\" and "TMP\" after DBPath).
extern std::string gsDBPath;
extern std::string gsDBName;
extern std::string gsSysUser;
extern std::string gsRutaBase;
extern std::string gsRutaRPT;
extern std::string gsRutaTMP;

// The command line's fields: taxpayer number (15 characters, blanks kept), period
// yyyymm, entity code (one character) and the eight-character tail.
extern std::string gsRuc;
extern std::string gsPeriodo;
extern std::string gsSemana;
extern std::string gsCola;

// Box values of the declaration, by box number 1 to 600 (cell 0 unused), as DET
// stores them; "" for a box without a row.
inline constexpr int kUltimaCasilla = 600;
extern std::array<std::string, kUltimaCasilla + 1> gsCasillas;

// The entity the code names: its name, its base box and its deferral box (""
// and 0, 0 for a code outside the five).
extern std::string gsEntidad;
extern int giCasillaBase;
extern int giCasillaAplaz;

// The taxpayer's name from CONT.
extern std::string gsRazonSocial;

// The two summaries: the text one under its random name in the temporary folder,
// the spool one under its registered name in the report folder.
extern std::string gsArchivoTexto;
extern std::string gsArchivoSpool;

// The writers' state: the open file's number, the page (1 for the whole
// summary), the lines written on it, the running height of the spool lines in
// twips and the line buffer in which a line is assembled. A page holds 80 lines.
inline constexpr int kLineasPorHoja = 80;
extern int giArchivo;
extern int giPagina;
extern int giLineas;
extern std::int16_t giPosY;
extern std::string gsLinea;

// Back to the values the program starts with; for tests.
void ReiniciaGlobales();

}  // namespace tarvel
