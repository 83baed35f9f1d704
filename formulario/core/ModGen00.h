#pragma once
// Shared procedures: regional check, settings, database, statements, lookups, padding.
#include <cstdint>
#include <string>

namespace vb {
class Error;
}  // namespace vb

namespace forms {
class ComboBox;
class Form;
}  // namespace forms

namespace win {
class FileLock;
}  // namespace win

namespace korva {

// Checks the fifteen regional items the program's dates, times, numbers and
// amounts depend on. When any differs from what the program needs, one critical
// box "Error de configuración" lists a line per mismatch and the answer is False;
// the caller then abandons its action. Runs at start-up and before every main
// action, since the user may change the settings while the program runs.
bool VerificaConfiguracionRegional();

// Reads the suite's settings file TESCA.INI (section Options) into gsSysPath,
// gsRutaRPT, gsRutaBase and gsSysUser, makes the install folder the current one,
// names the help file and opens the database (AbreBaseDatos).
void LeeConfiguracion();

// Opens gsRutaBase as gDB, the program's one connection. A database that cannot
// be opened is reported ("Error de Conección") and ends the program. The
// program then holds its share of the suite's lock (a lock file beside the
// database) and its own lock on the suite until it ends: while the installer
// holds the suite's lock alone, while another copy of the program works on the
// suite, or without its lock (TerminaSinBloqueo), the program says so and ends.
// So it does when a table of the module is missing. Files it made or rewrote
// that other accounts can no longer open are told ("Archivos compartidos") and
// it goes on.
bool AbreBaseDatos();
// Ends the program on a lock it could not take (a lock file that cannot be
// opened, a link or no plain file in its place, a lock the system does not
// grant), saying what is wrong with the lock file `sDeQue` ("de la base de
// datos") and what to do ("Archivo de bloqueo").
[[noreturn]] void TerminaSinBloqueo(const win::FileLock& bloqueo, const std::string& sDeQue);
// Closes gDB and lets go of the program's locks on the suite, for work on the
// suite that ends before the program does.
void CierraBaseDatos();

// Runs one action statement on gDB. A failure is shown with its number and
// description ("Error al Ejecutar Sentencia SQL"); the statement is abandoned and
// the caller carries on.
void EjecutaSQL(const std::string& sSQL);
// The same report of a statement's failure, for writes made otherwise.
void MuestraErrorSQL(const vb::Error& error);

// `iLongitud` characters of Funcion from `iInicio`, of the PARAM row of that
// number and argument; "" when there is none. For number "726" only the first
// three characters of the argument are compared, and the caller's argument is cut
// to them. A temporary argument may be given.
std::string LeeParametro(const std::string& sNumero, std::string& sArgumento, int iLongitud,
                         int iInicio);
std::string LeeParametro(const std::string& sNumero, std::string&& sArgumento, int iLongitud,
                         int iInicio);

// The same slice of the first PARAM row of that number whose argument begins with
// `sPrefijo` and whose Funcion begins with the 6-character tax code.
std::string LeeParametroPorTributo(const std::string& sNumero, const std::string& sCodTributo,
                                   int iLongitud, int iInicio, const std::string& sPrefijo);

// Adds to `combo` (without emptying it) one item per PARAM row of that number whose
// argument is like `sPatron` (and, with a flag position, whose Funcion holds 1
// there), in argument order: the argument in 12 characters, five blanks and the
// slice of Funcion unless its first 15 characters are blank.
void CargaComboParametro(forms::ComboBox& combo, const std::string& sNumero,
                         const std::string& sPatron, int iLongitud, int iInicio,
                         std::uint8_t iPosicionFlag);

// The current user's Tipo in CLAVES ("0" sees every declarant), "1" when he has
// no row.
std::string LeeTipoUsuario();

// The trimmed text followed by the fill text as many times as the width exceeds
// its length (at most 255 times).
std::string CompletaTexto(const std::string& sTexto, int iAncho, const std::string& sRelleno);

// The text preceded by blanks up to the width (at most 200); a text that is not
// shorter comes back unchanged.
std::string AlineaDerecha(const std::string& sTexto, int iAncho);

// True when an ordinary file of that name exists. A folder that does not exist
// holds no file, so it answers False rather than fail.
bool ExisteArchivo(const std::string& sArchivo);

// The main window, inside which the program's windows are centred; the main
// window names itself when it loads.
void FijaVentanaPrincipal(forms::Form* principal);
forms::Form* VentanaPrincipal();

// Centres `frm` inside the main window, in twips. Without a main window the
// window stays where it is.
void CentraFormulario(forms::Form& frm);
void CentraFormulario(forms::Form& frm, const forms::Form& principal);

// Enter moves to the next field in every entry window: with "TAB" a Tab keystroke
// is sent to the active window without waiting; any other text does nothing.
void EnviaTab(const std::string& sTecla);

}  // namespace korva
