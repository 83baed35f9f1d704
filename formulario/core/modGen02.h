#pragma once
// Shared procedures: error report, a declaration's rows, declarants, tax unit.
#include <cstdint>
#include <string>

#include "platform/vb/currency.h"
#include "platform/vb/error.h"

namespace forms {
class ComboBox;
class DataGrid;
}  // namespace forms

namespace korva {

// ManejaError's answer on which the caller ends the program.
inline constexpr std::uint8_t kErrorTerminaPrograma = 1;

// The central error report for an error a procedure did not expect: appends the
// date and time, the routine name, the error and the message to errorlog.txt in
// the program's own folder (four writes, each ended by CR LF), shows the message
// as a critical box titled "Error crítico: <n> (Rutina: <name>) " and answers 1.
// Every caller then ends the program through vb::End(EXIT_FAILURE), which rolls
// back an open transaction rather than commit half a change, and tells whoever
// started the program that it failed. When the log cannot be opened the box and
// the answer stand and nothing is written.
std::uint8_t ManejaError(const std::string& sRutina, const vb::Error& error);

// ManejaError's report, then the end of the program on its answer: what every
// procedure whose unexpected errors are fatal does in its handler.
[[noreturn]] void TerminaPorError(const std::string& sRutina, const vb::Error& error);

// Deletes rows of `sTabla`: with `iFiltro` 1 only the declaration of the given
// document type and number for gsPeriodo, form "0942" and gnSemana (and, while a
// sent declaration is handled, for table names not beginning with "TMP", the
// correlative `sCorrel`); with any other switch every row of the table.
void EliminaDataTabla(const std::string& sTabla, int iTipDoc, const std::string& sDocId,
                      int iFiltro, const std::string& sCorrel);

// True when CAB holds the declaration of that document for gsPeriodo and form
// "0942", whatever its entity.
bool VerificaExistenciaDocumento(std::uint8_t iTipDoc, const std::string& sDocId);

// The choosers' guard before an action (1 actualizar, 2 eliminar, 3 ver
// declaraciones enviadas): False with an "Información" box when the grid has no
// rows or its current row's second column is empty.
bool VerificaSeleccion(forms::DataGrid& grid, std::uint8_t iAccion);

// A tax code between its 4-digit display form and its 6-character stored form:
// with `iDireccion` nonzero 1011 becomes 010101, with 0 010101 becomes 1011.
std::string ConvierteCodTributo(const std::string& sCodigo, std::uint8_t iDireccion);

// Fills `combo` with the declarants of CONT of that document type that the user
// may see (all of them for a user of type "0", else his own), ordered by number:
// the number in 20 characters followed by the name in 60. With `iSeleccion`
// nonzero the item of `sDocId` is selected. An empty list is reported to the
// user; the answer is True in both cases.
bool CargaNumeroDocumento(forms::ComboBox& combo, std::uint8_t iTipDoc, const std::string& sDocId,
                          int iSeleccion);

// True when the debt file of that RUC was already imported for gsPeriodo and
// gnSemana; with `iMensaje` 1 the user is told so first.
bool VerificaTablaValor(const std::string& sRuc, std::uint8_t iMensaje);

// The tax unit (PARAM 404) in force in gsPeriodo's month: the row whose date is
// the last one on or before that month, in the order the rows are stored. 0 when
// the period lies before every row.
vb::Currency ObtieneUIT();

// True when PARAM 728 allows the tax with the form (compared by numeric value)
// and the year; an empty form or year is not compared.
bool VerificaFormularioTributo(const std::string& sCodTributo, const std::string& sFormulario,
                               const std::string& sAnio);

}  // namespace korva
