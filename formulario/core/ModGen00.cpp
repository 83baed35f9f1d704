#include "formulario/core/ModGen00.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <memory>

#include "formulario/core/Globales.h"
#include "inserta/TablasModulo.h"
#include "platform/dao/dao.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/form.h"
#include "platform/forms/services.h"
#include "platform/vb/app.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"
#include "platform/win/file_lock.h"
#include "platform/win/profile.h"
#include "platform/win/regional_settings.h"
#include "platform/win/shared_file.h"

namespace korva {
namespace {

constexpr int kErrBaseBloqueada = 3051;

// How a regional item is compared with the value the program needs: the value is
// that one character (blanks before it ignored), contains that text, or begins
// with that number.
enum class Regla { Caracter, Contiene, Numero };

struct ItemRegional {
  win::LCTYPE tipo;
  Regla regla;
  const char* esperado;
  const char* linea;
};

constexpr std::array<ItemRegional, 15> kItemsRegionales = {{
    {win::LOCALE_SDATE, Regla::Caracter, "/",
     "- Debe configurar como separador de Fechas : ( / ) "},
    {win::LOCALE_SSHORTDATE, Regla::Contiene, "dd/MM/yyyy",
     "- Debe configurar como formato de fecha corta : ( dd/MM/aaaa ) "},
    {win::LOCALE_STIME, Regla::Caracter, ":", "- Debe configurar como separador de Hora : ( : ) "},
    {win::LOCALE_STIMEFORMAT, Regla::Contiene, "hh:mm:ss tt",
     "- Debe configurar como formato de Hora : ( hh:mm:ss tt) "},
    {win::LOCALE_SDECIMAL, Regla::Caracter, ".",
     "- Debe configurar como símbolo decimal para Número : ( . ) "},
    {win::LOCALE_STHOUSAND, Regla::Caracter, ",",
     "- Debe configurar como separador de miles para Número : ( , ) "},
    {win::LOCALE_IDIGITS, Regla::Numero, "2",
     "- Debe configurar como número de Decimales para Número : ( 2 ) "},
    {win::LOCALE_SNEGATIVESIGN, Regla::Caracter, "-",
     "- Debe configurar como Símbolo negativo : ( - ) "},
    {win::LOCALE_INEGNUMBER, Regla::Numero, "1",
     "- Debe configurar como Formato de Número Negativo : ( -1,1 ) "},
    {win::LOCALE_ILZERO, Regla::Numero, "1",
     "- Debe configurar Mostrar Ceros a la Izquierda : ( 0,7 ) "},
    {win::LOCALE_SMONDECIMALSEP, Regla::Caracter, ".",
     "- Debe configurar como separador de decimales para moneda : ( . ) "},
    {win::LOCALE_SMONTHOUSANDSEP, Regla::Caracter, ",",
     "- Debe configurar como separador de miles para moneda : ( , ) "},
    {win::LOCALE_ICURRDIGITS, Regla::Numero, "2",
     "- Debe configurar como número de Decimales para Moneda : ( 2 ) "},
    {win::LOCALE_ICURRENCY, Regla::Numero, "0",
     "- Debe configurar que Símbolo Monetario vaya antes del número : ( $1.1  ) "},
    {win::LOCALE_INEGCURR, Regla::Numero, "2",
     "- Debe configurar como Formato de Moneda Negativo : ( *-1,1 ) "},
}};

bool CumpleRegla(const ItemRegional& item, const std::string& valor) {
  switch (item.regla) {
    case Regla::Caracter: return vb::LTrim(valor) == item.esperado;
    case Regla::Contiene: return vb::InStr(valor, item.esperado) > 0;
    case Regla::Numero: return vb::Val(valor) == vb::Val(item.esperado);
  }
  return false;
}

std::string LeeOpcion(const std::string& sClave) {
  std::string buffer;
  long n = win::GetPrivateProfileString("Options", sClave, "", buffer, 255, "TESCA.INI");
  return vb::Trim(vb::Left(buffer, n));
}

// The install folder becomes the current folder. One that is missing or empty
// (no settings file) is left alone: the database then fails to open and the
// connection message ends the program.
void CambiaCarpetaActual(const std::string& sCarpeta) {
  try {
    vb::ChDir(sCarpeta);
  } catch (const vb::Error&) {}
}

// The workgroup account, put together at run time so that it does not stand as
// one text in the program file.
std::string Credencial(std::initializer_list<int> codigos) {
  std::string texto;
  for (int codigo : codigos) texto += vb::Chr(codigo);
  return texto;
}

void AvisaErrorConexion(const vb::Error& error) {
  std::string mensaje = error.Number() == kErrBaseBloqueada
                            ? std::to_string(error.Number()) + "- Base esta bloqueda"
                            : error.Description() + vb::vbLf + std::to_string(error.Number());
  forms::MsgBox(mensaje, forms::vbOKOnly, "Error de Conección");
}

forms::Form* gVentanaPrincipal = nullptr;

// The program's share of the suite's lock, held while the database is open so
// that the installer, which drops and re-creates the working tables, does not
// run beside it; and the program's own lock on the suite, held alone, so that
// one copy at a time works on the suite's declarations whatever account or
// session started it.
std::unique_ptr<win::FileLock> gBloqueoSuite;
std::unique_ptr<win::FileLock> gBloqueoPrograma;

// A lock another program keeps from this one is told with `sOcupado`, and the
// program ends, as when the database cannot be opened; without its lock (a
// lock file it cannot open, one that is no plain file, a lock the system does
// not grant) it ends too: it never works unprotected.
std::unique_ptr<win::FileLock> TomaBloqueo(const std::string& sBase, const std::string& sExtension,
                                           win::FileLock::Mode modo, const char* sOcupado) {
  std::unique_ptr<win::FileLock> bloqueo = win::FileLock::Beside(sBase, modo, sExtension);
  if (bloqueo->TakenByOthers()) {
    forms::MsgBox(sOcupado, forms::vbInformation, vb::App::ProductName());
    vb::End(EXIT_FAILURE);
  }
  if (bloqueo->LockState() != win::FileLock::State::Held) TerminaSinBloqueo(*bloqueo, "de la base de datos");
  return bloqueo;
}

// The files made or rewritten so far (the settings, the lock files) that other
// accounts can no longer open are told; they work for this account, so the
// program goes on.
void AvisaArchivosNoCompartidos() {
  std::string aviso = win::UnsharedFilesNotice();
  if (!aviso.empty()) forms::MsgBox(aviso, forms::vbExclamation, "Archivos compartidos");
}

// Not beside the installer, which holds the suite's lock alone, nor beside
// another copy of the program on the suite.
void TomaBloqueos() {
  gBloqueoPrograma.reset();
  gBloqueoSuite.reset();
  std::string sBase = vb::ResolvePath(gsRutaBase);
  gBloqueoSuite = TomaBloqueo(
      sBase, ".lck", win::FileLock::Mode::Shared,
      "Se está instalando el módulo 0942. Vuelva a ejecutarlo cuando termine la instalación.");
  gBloqueoPrograma = TomaBloqueo(sBase, ".korva.lck", win::FileLock::Mode::Exclusive,
                                 "La Aplicación ya se encuentra en ejecución");
}

// Every road of the program reads or writes the module's tables: one missing
// (an installation stopped part way, or none made) would end the program at
// the first declaration opened. It says so now and ends.
void VerificaTablasModulo() {
  dao::TableDefs& tablas = gDB->TableDefs();
  tablas.Refresh();
  for (const char* sTabla : nuvia::kTablasModulo) {
    bool existe = std::any_of(tablas.begin(), tablas.end(),
                              [&](dao::TableDef& tabla) { return vb::UCase(tabla.Name()) == sTabla; });
    if (existe) continue;
    forms::MsgBox("Las tablas del módulo 0942 están incompletas: no se encuentra la tabla " +
                      std::string(sTabla) + "." + vb::vbLf +
                      "Ejecute nuevamente la instalación del módulo.",
                  forms::vbCritical, "Error de Conección");
    vb::End(EXIT_FAILURE);
  }
}

}  // namespace

bool VerificaConfiguracionRegional() {
  win::LCID locale = win::GetUserDefaultLCID();
  std::string mensaje;
  for (const ItemRegional& item : kItemsRegionales) {
    std::string valor;
    if (win::GetLocaleInfo(locale, item.tipo, valor, 100) == 0) {
      forms::MsgBox("Error al leer la configuración del sistema", forms::vbCritical, "Error");
      return false;
    }
    if (!CumpleRegla(item, valor)) mensaje += std::string(item.linea) + vb::vbLf;
  }
  if (mensaje.empty()) return true;
  mensaje += std::string(
                 "Ingrese a la opción :Configuración/Panel de control/Configuración Regional y "
                 "verificar las secciones Número, Moneda, Hora y Fecha.") +
             vb::vbLf + "Esto es necesario para el correcto funcionamiento del Orvane. ";
  forms::MsgBox(mensaje, forms::vbCritical, "Error de configuración");
  return false;
}

void LeeConfiguracion() {
  gsSysPath = LeeOpcion("SysPath");
  gsRutaRPT = gsSysPath + "RPT\\";
  CambiaCarpetaActual(gsSysPath);
  gsRutaBase = LeeOpcion("DBPath");
  gsRutaBase += LeeOpcion("DBName");
  vb::App::SetHelpFile(gsSysPath + "0942" + "\\" + "Korva.hlp");
  gsSysUser = LeeOpcion("SysUser");
  AbreBaseDatos();
}

bool AbreBaseDatos() {
  try {
    std::string usuario = Credencial({75, 79, 82, 86, 65, 48, 57, 52});
    std::string clave = Credencial({80, 76, 69, 88, 79, 50, 48, 49});
    dao::DBEngine& engine = dao::Engine();
    engine.SetSystemDB(gsSysPath + "TESCA.MDW");
    engine.SetDefaultUser(usuario);
    engine.SetDefaultPassword(clave);
    gDB = engine.Workspaces(0).OpenDatabase(gsRutaBase, false, false, "");
  } catch (const vb::Error& error) {
    AvisaErrorConexion(error);
    vb::End(EXIT_FAILURE);
  }
  TomaBloqueos();
  AvisaArchivosNoCompartidos();
  VerificaTablasModulo();
  return true;
}

void TerminaSinBloqueo(const win::FileLock& bloqueo, const std::string& sDeQue) {
  forms::MsgBox(bloqueo.FaultText(sDeQue) + vb::vbLf + "El módulo 0942 no puede trabajar sin él.",
                forms::vbOKOnly, "Archivo de bloqueo");
  vb::End(EXIT_FAILURE);
}

void CierraBaseDatos() {
  if (gDB && gDB->IsOpen()) gDB->Close();
  gBloqueoPrograma.reset();
  gBloqueoSuite.reset();
}

void EjecutaSQL(const std::string& sSQL) {
  try {
    gDB->Execute(sSQL, dao::dbInconsistent);
  } catch (const vb::Error& error) {
    MuestraErrorSQL(error);
  }
}

void MuestraErrorSQL(const vb::Error& error) {
  forms::MsgBox("Error Número : " + std::to_string(error.Number()) + vb::vbLf + error.Description(),
                forms::vbCritical, "Error al Ejecutar Sentencia SQL");
}

std::string LeeParametro(const std::string& sNumero, std::string& sArgumento, int iLongitud,
                         int iInicio) {
  std::string condicion = " and Argumento =";
  if (sNumero == "726") {
    sArgumento = vb::Left(sArgumento, 3);
    condicion = " and Left(Argumento,3) =";
  }
  gsSQL = " Select Argumento,mid(Funcion," + std::to_string(iInicio) + "," +
          std::to_string(iLongitud) +
          ") as Func From Param  Where Numero = " + vb::SqlText(sNumero) + condicion +
          vb::SqlText(sArgumento);
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  std::string func = rs->Eof() ? "" : (*rs)("Func").Value().ToString();
  rs->Close();
  return func;
}

std::string LeeParametro(const std::string& sNumero, std::string&& sArgumento, int iLongitud,
                         int iInicio) {
  return LeeParametro(sNumero, sArgumento, iLongitud, iInicio);
}

std::string LeeParametroPorTributo(const std::string& sNumero, const std::string& sCodTributo,
                                   int iLongitud, int iInicio, const std::string& sPrefijo) {
  gsSQL = " Select Argumento,mid(Funcion," + std::to_string(iInicio) + "," +
          std::to_string(iLongitud) +
          ") as Func From Param  Where Numero = " + vb::SqlText(sNumero) +
          " and Mid(Argumento,1,4) =" + vb::SqlText(sPrefijo);
  gsSQL += " and mid(Funcion,1,6) = " + vb::SqlText(sCodTributo);
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  std::string func = rs->Eof() ? "" : (*rs)("Func").Value().ToString();
  rs->Close();
  return func;
}

void CargaComboParametro(forms::ComboBox& combo, const std::string& sNumero,
                         const std::string& sPatron, int iLongitud, int iInicio,
                         std::uint8_t iPosicionFlag) {
  gsSQL = " SELECT Argumento, mid(Funcion," + std::to_string(iInicio) + "," +
          std::to_string(iLongitud) + ") as Func ";
  gsSQL += " FROM Param ";
  gsSQL += " WHERE Numero = " + vb::SqlText(sNumero) + " ";
  gsSQL += " AND   Argumento Like " + vb::SqlText(sPatron) + " ";
  if (iPosicionFlag != 0)
    gsSQL += " AND   val(Mid(Funcion, " + std::to_string(iPosicionFlag) + ",1)) = 1 ";
  gsSQL += " ORDER BY 1";
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  for (; !rs->Eof(); rs->MoveNext()) {
    std::string func = (*rs)("Func").Value().ToString();
    if (vb::Trim(vb::Left(func, 15)).empty()) func = "";
    combo.AddItem(gUtil.AjustaTexto((*rs)("Argumento").Value().ToString(), 12) + vb::Space(5) +
                  func);
  }
  rs->Close();
}

std::string LeeTipoUsuario() {
  gsSQL = "SELECT * FROM CLAVES";
  gsSQL += " WHERE Usuario=" + vb::SqlText(gsSysUser);
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  std::string tipo = rs->Eof() ? "1" : (*rs)("Tipo").Value().ToString();
  rs->Close();
  return tipo;
}

std::string CompletaTexto(const std::string& sTexto, int iAncho, const std::string& sRelleno) {
  std::string texto = vb::Trim(sTexto);
  long veces = std::min<long>(iAncho - vb::Len(texto), 255);
  for (long i = 0; i < veces; ++i) texto += sRelleno;
  return texto;
}

std::string AlineaDerecha(const std::string& sTexto, int iAncho) {
  long blancos = std::min<long>(iAncho - vb::Len(sTexto), 200);
  return blancos > 0 ? vb::Space(blancos) + sTexto : sTexto;
}

bool ExisteArchivo(const std::string& sArchivo) {
  try {
    return !vb::Dir(sArchivo).empty();
  } catch (const vb::Error& error) {
    if (error.Number() == 76) return false;
    throw;
  }
}

void FijaVentanaPrincipal(forms::Form* principal) { gVentanaPrincipal = principal; }

forms::Form* VentanaPrincipal() { return gVentanaPrincipal; }

void CentraFormulario(forms::Form& frm) {
  if (gVentanaPrincipal) CentraFormulario(frm, *gVentanaPrincipal);
}

void CentraFormulario(forms::Form& frm, const forms::Form& principal) {
  frm.SetLeft(static_cast<int>(vb::Int((principal.Width() - frm.Width()) / 2.0)));
  frm.SetTop(vb::CLng((principal.Height() - frm.Height()) / 2.0));
}

void EnviaTab(const std::string& sTecla) {
  if (sTecla == "TAB") forms::SendKeys("{TAB}");
}

}  // namespace korva
