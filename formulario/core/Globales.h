#pragma once
#include <cstdint>
#include <string>

#include "platform/dao/database.h"
#include "platform/zep/utilidades_zep.h"

// The state that every window of the main program shares. Windows hand the open
// declaration, the modes of the work and small results to each other through
// these variables rather than through arguments, so each one keeps the name the
// windows' code reads it by.
namespace korva {

// The one open connection to the host database, kept until the program ends.
extern dao::DatabasePtr gDB;

// From the settings file: the install folder (ending with its separator), the
// database file, the current user and the report folder (the install folder
// followed by "RPT\").
extern std::string gsSysPath;
extern std::string gsRutaBase;
extern std::string gsSysUser;
extern std::string gsRutaRPT;

// The open declaration: period yyyymm and mm/yyyy, entity code, taxpayer number
// and name, correlative of a sent declaration, the two due dates dd/mm/yyyy, the
// good-taxpayer flag ("1" or "") and the criminal-proceedings flag.
extern std::string gsPeriodo;
extern std::string gsPeriodoMMAAAA;
extern std::uint8_t gnSemana;
extern std::string gsRuc;
extern std::string gsRazonSocial;
extern std::string gsCorrel;
extern std::string gsFechaVenc;
extern std::string gsFecVencRenta;
extern std::string gsBuenContrib;
extern std::uint8_t gnRucDelito;

// The latest period ("mm/yyyy", its month possibly 13) that the check of an
// added debt allows for the tax chosen; set again by every check.
extern std::string gsPeriodoLimite;

// 0 new (the import), 1 open or view, 3 delete; -1 while sent declarations are
// handled, 0 for pending ones.
extern int giModo;
extern int giEnviadas;

// Hand-over between the request form and its debt dialogs: the grid being
// answered, whether a dialog stored a debt, the motive whose supporting data are
// edited, the reported debt's document type and whether a save offers the next row.
extern int giIndexGrid;
extern bool gbGrabado;
extern std::uint8_t gnMotivo;
extern std::string gsCodTipDoc;
extern bool gbOfreceSiguiente;

// Monthly interest rate in percent as text ("1.5" or "1.2"), empty until the
// request form sets it from the acceptance date.
extern std::string gsTIM;

// The open declaration's guarantee row, and the request form's results: whether
// a guarantee is required ("1"/"0") and the taxpayer's kind ("1"/"0").
extern std::string gsIndGarantia;
extern std::string gsIndPersona;
extern std::string gsMtoDeuda;
extern std::string gsMtoDeudaGarantia;
extern std::string gsGarantia;
extern std::string gsTipoPersona;

// The request form's validation and saving state: the last validation found an
// inconsistency (1) or not (0); a save is under way (1); the form has finished
// loading, so its box handlers may run.
extern int giInconsistencia;
extern int giGrabando;
extern bool gbFormCargado;

// The kind of code list the lookup window shows ("R" document types, "T" taxes).
extern std::string gsTipoConsulta;

// The shared message text (quiet checks leave their finding here) and the text in
// which each procedure builds its SQL statement just before running it.
extern std::string gsMensaje;
extern std::string gsSQL;

// The suite's utility component, one instance for the whole program.
extern zep::UtilidadesZEP gUtil;

// Back to the values the program starts with (no database, empty texts, zeros);
// for tests that run one procedure after another in one process.
void ReiniciaGlobales();

}  // namespace korva
