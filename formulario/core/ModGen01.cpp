#include "formulario/core/ModGen01.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "formulario/core/Globales.h"
#include "platform/dao/recordset.h"
#include "platform/forms/data_grid.h"
#include "platform/forms/services.h"
#include "platform/forms/text_box.h"
#include "platform/vb/conv.h"
#include "platform/vb/encoding.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr int kErrDesbordamiento = 6;
constexpr int kMaximoEntero = 32767;
constexpr const char* kFechaVacia = "__/__/____";

// The text of a value other than a text, written into a buffer of the check
// code's so that counting a row's values allocates nothing for its numbers and
// dates.
class TextoEscrito {
 public:
  std::string_view Entero(long long valor) {
    fin_ = std::to_chars(digitos_, digitos_ + sizeof digitos_, valor).ptr;
    return Texto();
  }
  // A date as Format(fecha, "yyyymmdd") writes it: each part in its digits,
  // padded with zeros to the pattern's width.
  std::string_view Fecha(vb::Date fecha) {
    fin_ = digitos_;
    Agrega(vb::Year(fecha), 4);
    Agrega(vb::Month(fecha), 2);
    Agrega(vb::Day(fecha), 2);
    return Texto();
  }
  std::string_view Otro(std::string texto) {
    otro_ = std::move(texto);
    return otro_;
  }

 private:
  void Agrega(int valor, int ancho) {
    char parte[12];
    char* final = std::to_chars(parte, parte + sizeof parte, valor).ptr;
    for (long relleno = ancho - (final - parte); relleno > 0; --relleno) *fin_++ = '0';
    fin_ = std::copy(parte, final, fin_);
  }
  std::string_view Texto() const { return {digitos_, static_cast<std::size_t>(fin_ - digitos_)}; }
  char digitos_[48];
  char* fin_ = digitos_;
  std::string otro_;
};

// The text a field's current value counts with: numbers as written, a date as
// yyyymmdd, a text trimmed; Null, Empty and Boolean count as nothing. A text is
// looked at where it stands; any other value is written into `escrito`.
std::string_view TextoDeCampo(const vb::Variant& valor, TextoEscrito& escrito) {
  switch (valor.Type()) {
    case vb::vbInteger: return escrito.Entero(valor.As<short>());
    case vb::vbLong: return escrito.Entero(valor.As<int>());
    case vb::vbByte: return escrito.Entero(valor.As<unsigned char>());
    case vb::vbSingle:
    case vb::vbDouble:
    case vb::vbCurrency: return escrito.Otro(vb::Trim(vb::CStr(valor)));
    case vb::vbDate: return escrito.Fecha(valor.As<vb::Date>());
    case vb::vbString: {
      std::string_view texto = valor.As<std::string>();
      while (!texto.empty() && texto.front() == ' ') texto.remove_prefix(1);
      while (!texto.empty() && texto.back() == ' ') texto.remove_suffix(1);
      return texto;
    }
    default: return {};
  }
}

// Up to 15 plain digits, the form of most key fields, are read as the whole
// number they write, which is what Val makes of them.
bool SoloDigitos(std::string_view texto) {
  if (texto.empty() || texto.size() > 15) return false;
  for (char c : texto) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The leading number of a text: its sign, then digits and at most one ".", read
// up to the first other character. An exponent or a radix prefix is such a
// character: "12E3" counts 12 and "&H1F" 0, where Val would read 12000 and 31.
double NumeroInicial(std::string_view texto) {
  std::size_t inicio = !texto.empty() && texto[0] == '+' ? 1 : 0;
  std::size_t fin = inicio + (inicio < texto.size() && texto[inicio] == '-' ? 1 : 0);
  bool punto = false;
  for (; fin < texto.size(); ++fin) {
    char c = texto[fin];
    if (c == '.' && !punto) {
      punto = true;
    } else if (c < '0' || c > '9') {
      break;
    }
  }
  double numero = 0;
  std::from_chars(texto.data() + inicio, texto.data() + fin, numero);
  return numero;
}

double ValorNumerico(std::string_view texto) {
  if (!SoloDigitos(texto)) return vb::IsNumeric(vb::Variant(std::string(texto))) ? NumeroInicial(texto) : 0;
  long long numero = 0;
  for (char c : texto) numero = numero * 10 + (c - '0');
  return static_cast<double>(numero);
}

// Each character's position (from 1) times its Windows-1252 code, as 16-bit
// products: a text long enough to pass 32767 overflows.
double SumaDeCaracteresWindows1252(std::string_view texto) {
  double suma = 0;
  int posicion = 0;
  for (char32_t caracter : vb::DecodeUtf8(std::string(texto))) {
    int codigo = vb::Cp1252Code(caracter);
    long producto = static_cast<long>(++posicion) * (codigo < 0 ? '?' : codigo);
    if (producto > kMaximoEntero) vb::Raise(kErrDesbordamiento);
    suma += static_cast<double>(producto);
  }
  return suma;
}

// The same sum. A text of ASCII characters, whose codes are its bytes, is
// summed as whole numbers in one pass, without decoding it.
double SumaDeCaracteres(std::string_view texto) {
  long long suma = 0;
  long posicion = 0;
  if (texto.size() <= static_cast<std::size_t>(kMaximoEntero / 0x7F)) {
    // No character of a text this short can overflow the product while its
    // codes are below 0x80, so its codes are summed with no test per character
    // and the text is looked at again only when one of them is not.
    unsigned char alto = 0;
    for (char c : texto) {
      unsigned char codigo = static_cast<unsigned char>(c);
      alto |= codigo;
      suma += ++posicion * codigo;
    }
    return alto < 0x80 ? static_cast<double>(suma) : SumaDeCaracteresWindows1252(texto);
  }
  for (char c : texto) {
    unsigned char codigo = static_cast<unsigned char>(c);
    if (codigo >= 0x80) return SumaDeCaracteresWindows1252(texto);
    long producto = ++posicion * codigo;
    if (producto > kMaximoEntero) vb::Raise(kErrDesbordamiento);
    suma += producto;
  }
  return static_cast<double>(suma);
}

// The last three digits of a sum rounded to a whole number and written without
// sign in at least 20 digits (Format with twenty "0"s), of which the last 15 are
// kept.
std::string TresUltimosDigitos(double suma) {
  double entero = std::fabs(suma);
  if (entero < 1e15 && entero == std::trunc(entero)) {
    // A whole sum, as the sums of whole numbers and character codes are: its
    // last three digits are its remainder by 1000.
    int resto = static_cast<int>(static_cast<long long>(entero) % 1000);
    return {static_cast<char>('0' + resto / 100), static_cast<char>('0' + resto / 10 % 10),
            static_cast<char>('0' + resto % 10)};
  }
  std::string digitos = vb::FormatWholeNumber(vb::Abs(suma), 20);
  return digitos.substr(digitos.size() - 3);
}

// The rounded daily rate of gsTIM times the days, rounded again. A debt
// recalculation asks it for every row with the same rate and mostly the same
// days, so the last answer is kept.
double FactorInteres(long long dias) {
  thread_local std::string tasaLeida;
  thread_local double tasaDiaria = 0;
  thread_local long long diasLeidos = -1;
  thread_local double factor = 0;
  if (diasLeidos < 0 || tasaLeida != gsTIM) {
    tasaLeida = gsTIM;
    tasaDiaria = vb::CDbl(vb::Format(vb::Val(gsTIM) / 100 / 30, "0.0000000"));
    diasLeidos = -1;
  }
  if (dias != diasLeidos) {
    factor = vb::CDbl(vb::Format(static_cast<double>(dias) * tasaDiaria, "0.00000"));
    diasLeidos = dias;
  }
  return factor;
}

std::string TextoLimites(int iEnteros, int iDecimales) {
  return "Registre como máximo " + std::to_string(iEnteros) + " enteros y " +
         std::to_string(iDecimales) + " decimales";
}

bool Rechaza(const std::string& mensaje, int icono, bool bSilencio) {
  if (bSilencio)
    gsMensaje = mensaje;
  else
    forms::MsgBox(mensaje, icono + forms::vbOKOnly, "Validación");
  return false;
}

bool RechazaFecha(const std::string& mensaje, const std::string& sTitulo, bool bSilencio) {
  gsMensaje = mensaje;
  if (!bSilencio) MuestraMensajeError(mensaje, sTitulo);
  return false;
}

std::string HoyComoTexto() {
  vb::Date hoy = vb::Today();
  return gUtil.RellenaIzquierda(std::to_string(vb::Day(hoy)), 2, "0") + "/" +
         gUtil.RellenaIzquierda(std::to_string(vb::Month(hoy)), 2, "0") + "/" +
         std::to_string(vb::Year(hoy));
}

// The debt file's date checks of an update date `dFecha`.
bool ValidaFechaPedido(const std::string& sNombre, vb::Date dFecha, const std::string& sTitulo,
                       bool bSilencio) {
  vb::Date descarga = vb::DateOnly(ObtieneFechaDescarga());
  if (vb::DateDiff("d", descarga, dFecha) < 0) {
    std::string mensaje =
        "La " + sNombre + " no debe ser menor a la fecha de pedido de archivo personalizado. ";
    if (!bSilencio) mensaje += vb::vbLf;
    mensaje += "Fecha de pedido de archivo personalizado: " + vb::Format(descarga, "dd/mm/yyyy");
    return RechazaFecha(mensaje, sTitulo, bSilencio);
  }
  if (descarga != vb::Today())
    return RechazaFecha(
        "El archivo personalizado no es de hoy día, por favor descargue y procese nuevamente el "
        "archivo",
        sTitulo, bSilencio);
  if (vb::DateDiff("d", descarga, dFecha) >= 1)
    return RechazaFecha("La fecha de actualización no corresponde con la fecha del personalizado",
                        sTitulo, bSilencio);
  return true;
}

GrillasFechaDescarga gGrillasFechaDescarga;

bool MuestraFecha(forms::DataGrid& grid, vb::Date& fecha) {
  forms::DataControl* source = grid.DataSource();
  if (source && source->Recordset() && !(source->Recordset()->Bof() && source->Recordset()->Eof()))
    source->Recordset()->MoveFirst();
  vb::Variant valor = grid.Columns("fec_des_deu").Value();
  std::string texto = (valor & vb::Variant("")).ToString();
  if (texto == kFechaVacia || texto.empty()) return false;
  fecha = vb::CDate(valor);
  return true;
}

bool AceptaTecla(int& iTecla, bool aceptada) {
  if (!aceptada) iTecla = 0;
  return aceptada;
}

bool EsDigito(int iTecla) { return iTecla >= 48 && iTecla <= 57; }

}  // namespace

std::string GeneraCNumero(dao::Recordset& rs, int n) {
  dao::Fields& campos = rs.Fields();
  double sumaA = 0;
  double sumaB = 0;
  TextoEscrito escrito;
  int nCampos = campos.Count();
  // A negative count names a field before the first, which is not there.
  if (n < 0 && n <= nCampos - 2) static_cast<void>(campos[n]);
  // The first `n` fields are summed as numbers, the rest but the last by their
  // characters; the fields are walked in order rather than looked up by position.
  int i = 0;
  for (dao::Field& campo : campos) {
    if (i >= n && i > nCampos - 2) break;
    std::string_view texto = TextoDeCampo(campo.ValueInPlace(), escrito);
    if (i < n) {
      sumaA += ValorNumerico(texto);
    } else {
      sumaB += SumaDeCaracteres(texto);
    }
    ++i;
  }
  return TresUltimosDigitos(sumaA) + TresUltimosDigitos(sumaB);
}

std::string CalculaInteres(const std::string& sMonto, const std::string& sInteresCap,
                           const vb::Variant& dDesde, const vb::Variant& dHasta) {
  if (vb::Trim(sMonto).empty()) return "";
  std::string capitalizado = sInteresCap.empty() ? "0" : sInteresCap;
  long long dias = vb::DateDiff("d", vb::CDate(dDesde), vb::CDate(dHasta));
  if (dias < 0) dias = 0;
  double factor = FactorInteres(dias);
  double base = vb::CDbl(sMonto) + vb::CDbl(capitalizado);
  return vb::Format(base * factor, "#,###,###,##0.00");
}

std::string QuitaComas(std::string& sMonto) {
  sMonto = vb::Replace(sMonto, ",", "");
  std::string recortado = vb::Trim(sMonto);
  if (recortado.empty() || recortado == "0" || recortado == ".") return "0.00";
  return sMonto;
}

std::string QuitaComas(std::string&& sMonto) { return QuitaComas(sMonto); }

bool ValidaNumeroDecimal(std::string& sNumero, int iEnteros, int iDecimales, bool bSilencio) {
  if (iDecimales == 0) iDecimales = 2;
  if (vb::Trim(sNumero).empty()) {
    sNumero = "0.00";
    return true;
  }
  long punto = vb::InStr(sNumero, ".");
  std::string entera = punto == 0 ? sNumero : vb::Left(sNumero, punto - 1);
  if (vb::Len(entera) > iEnteros)
    return Rechaza(TextoLimites(iEnteros, iDecimales), forms::vbCritical, bSilencio);
  if (punto == 0) return true;
  std::string decimal = vb::Mid(sNumero, punto + 1);
  long segundo = vb::InStr(decimal, ".");
  if (segundo > 0) {
    if (segundo - 1 > iDecimales)
      return Rechaza(TextoLimites(iEnteros, iDecimales), forms::vbCritical, bSilencio);
    return Rechaza("No registre mas de un punto decimal", 0, bSilencio);
  }
  if (vb::Len(decimal) > iDecimales)
    return Rechaza(TextoLimites(iEnteros, iDecimales), forms::vbCritical, bSilencio);
  return true;
}

bool ValidaNumeroDecimal(std::string&& sNumero, int iEnteros, int iDecimales, bool bSilencio) {
  return ValidaNumeroDecimal(sNumero, iEnteros, iDecimales, bSilencio);
}

bool ValidaNumeroDecimal(std::string& sNumero, int iEnteros, int iDecimales,
                         const std::string& /*sTitulo*/, bool bSilencio) {
  return ValidaNumeroDecimal(sNumero, iEnteros, iDecimales, bSilencio);
}

bool ValidaNumeroDecimal(std::string&& sNumero, int iEnteros, int iDecimales,
                         const std::string& /*sTitulo*/, bool bSilencio) {
  return ValidaNumeroDecimal(sNumero, iEnteros, iDecimales, bSilencio);
}

vb::Currency ConvierteMoneda(const vb::Variant& valor) {
  if (valor.IsNull() || vb::Trim((valor & vb::Variant("")).ToString()).empty()) return {};
  return vb::CCur(valor);
}

bool ValidaCampoFecha(const std::string& sTipo, const std::string& sNombre,
                      const std::string& sFecha, const std::string& sTitulo, bool bSilencio) {
  if (sFecha == kFechaVacia)
    return RechazaFecha("Debe registrar la " + sNombre, sTitulo, bSilencio);
  if (gUtil.ValidaFecha(sFecha, "01/01/1850", "01/01/2500") == 0)
    return RechazaFecha("La " + sNombre + " no es válida", sTitulo, bSilencio);
  vb::Date fecha = vb::CDate(sFecha);
  if (sTipo == "PRE" && !ValidaFechaPedido(sNombre, fecha, sTitulo, bSilencio)) return false;
  if (sTipo == "PAG" && vb::DateDiff("d", vb::CDate(HoyComoTexto()), fecha) > 0)
    return RechazaFecha("La " + sNombre + " no debe ser mayor a la fecha del sistema ", sTitulo,
                        bSilencio);
  return true;
}

int MuestraMensajeError(const std::string& sMensaje, const std::string& sTitulo) {
  return forms::MsgBox(sMensaje, forms::vbCritical + forms::vbOKOnly, sTitulo);
}

void FijaGrillasFechaDescarga(GrillasFechaDescarga grillas) {
  gGrillasFechaDescarga = std::move(grillas);
}

vb::Date ObtieneFechaDescarga() {
  if (!gGrillasFechaDescarga) return {};
  for (forms::DataGrid* grid : gGrillasFechaDescarga()) {
    vb::Date fecha;
    if (grid && MuestraFecha(*grid, fecha)) return fecha;
  }
  return {};
}

bool ValidaTeclaNumerica(int& iTecla) {
  return AceptaTecla(iTecla, EsDigito(iTecla) || iTecla == 8 || iTecla == 13);
}

bool ValidaTeclaAlfanumerica(int& iTecla) {
  bool letra = (iTecla >= 65 && iTecla <= 90) || (iTecla >= 97 && iTecla <= 122);
  return AceptaTecla(iTecla, EsDigito(iTecla) || letra || iTecla == 8 || iTecla == 13 ||
                                 iTecla == 164 || iTecla == 165);
}

void SeleccionDeEntrada::Entra(forms::TextBox& caja) {
  SeleccionaTodo(caja);
  caja_ = &caja;
  sTexto_ = caja.Text();
}

void SeleccionDeEntrada::Suelta(forms::TextBox& caja, int Button) const {
  if (Button != forms::vbLeftButton || &caja != caja_ || caja.Text() != sTexto_) return;
  SeleccionaTodo(caja);
}

void SeleccionDeEntrada::SeleccionaTodo(forms::TextBox& caja) {
  caja.SetSelStart(0);
  caja.SetSelLength(vb::Len(caja.Text()));
}

}  // namespace korva
