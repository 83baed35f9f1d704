#include "formulario/printing/ImpDetalleAnexo.h"

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/modGen02.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr int kCasillaPresentacion = 541;
constexpr int kSaltoTitulo = 270;
constexpr int kXLinea = 300;

constexpr const char* kMonto18 = "###,###,###,##0.00";
constexpr const char* kMonto16 = "#,###,###,##0.00";
constexpr const char* kMonto14 = "#######,##0.00";

struct Titulos {
  const char* sCodigo;
  const char* sPrimera;
  const char* sSegunda;
};

constexpr Titulos kTitulos[] = {
    {"DN",
     "PERIODO COD.   DESCRIPCIÓN DE TRIBUTO          TIPO  DE     Nº DE  VALOR    FECHA DE"
     "      DEUDA SEGÚN    IN  IN     DEUDA ACOGIDA",
     "        TRIB                                  RESOLUCIÖN                   PRESENTAC."
     "        TELVO       AC  CO   SEGÚN CONTRIBUYENTE"},
    {"DJ",
     "PERIODO COD.   DESCRIPCIÓN DE TRIBUTO                    Nº DE FORMUL.-  FECHA DE"
     "      DEUDA SEGÚN    IN  IN     DEUDA ACOGIDA",
     "        TRIB                                              Nº DE ORDEN   PRESENTAC."
     "        TELVO       AC  CO   SEGÚN CONTRIBUYENTE"},
    {"INF",
     "PERIODO COD.   DESCRIPCIÓN DE TRIBUTO              Nº DE        COD. TRIB.  FECHA DE"
     "      DEUDA SEGÚN    IN  IN     DEUDA ACOGIDA",
     "        TRIB                                     INFRACCIÓN      ASOCIADO  PRESENTAC."
     "        TELVO       AC  CO   SEGÚN CONTRIBUYENTE"},
    {"ODV",
     "PERIODO COD. DESCRIPCIÓN DE  TIPO  DE     Nº DE  VALOR    FECHA DE  TRIBUTO INSOLUTO"
     "   DEUDA ACOGIDA",
     "        TRIB    TRIBUTO     RESOLUCIÓN                   PRESENTAC. SEGÚN CONTRIBUY."
     "  SEGÚN CONTRIBUY."},
    {"ODDJ",
     "PERIODO COD. DESCRIPCIÓN DE TRIB.  Nº DE FORMUL.-    FECHA DE  TRIBUTO INSOLUTO"
     "  DEUDA ACOGIDA",
     "        TRIB                        Nº DE ORDEN     PRESENTAC. SEGÚN CONTRIBUY. SEGÚN"
     " CONTRIBUY."},
    {"ODINF",
     "PERIODO COD. DESCRIPCIÓN DE TRIBUTO         COD. TRIB.  FECHA DE  TRIBUTO INSOLUTO"
     "  DEUDA ACOGIDA",
     "        TRIB                                 ASOCIADO  PRESENTAC. SEGÚN CONTRIBUY."
     " SEGÚN CONTRIBUY."},
    {"DN_NA",
     "PERIODO COD. DESCRIPCIÓN DE TRIBUTO         TIPO  DE   Nº DE VALOR/      FECHA DE"
     "      DEUDA SEGÚN",
     "        TRIB                               RESOLUCIÖN  Nº DE DOCUMENTO   DESCARGA"
     "          TELVO  "},
};

// What a column of a debt line shows.
enum class Campo {
  Periodo,             // mm/yyyy
  PeriodoGarantia,     // mm, two blanks, yyyy
  Tributo,             // the tax's display code
  Descripcion,         // the tax's description
  TipoDocumento,       // the document type's description
  TipoDocumentoValor,  // the same for a valor ("01"), else blank
  TributoAsociado,     // the associated tax's display code
  NumeroDocumento,
  FormularioOrden,    // form code "-" document number
  FechaPresentacion,  // box 541
  FechaDescarga,      // dd/mm/yyyy of the download date
  Acogido,
  Conforme,
  MtoActS,
  MtoTributoC,
  MtoActC,
  Interes,  // interest and capitalised interest together
};

// One column: what it shows, its width, whether the text goes right (filled on
// the left), the pattern of an amount, and for a description how many of its
// characters.
struct Columna {
  Campo campo;
  int iAncho;
  bool bDerecha = false;
  const char* sPatron = nullptr;
  int iLargo = 0;
};

struct Disposicion {
  const char* sCodigo;
  std::vector<Columna> columnas;
};

Columna Izq(Campo campo, int iAncho) { return {campo, iAncho}; }
Columna Monto(Campo campo, int iAncho, const char* sPatron) {
  return {campo, iAncho, true, sPatron};
}
Columna Descripcion(int iLargo, int iAncho) {
  return {Campo::Descripcion, iAncho, false, nullptr, iLargo};
}

// The columns of each code's debt line, left to right.
const std::vector<Disposicion>& Disposiciones() {
  using C = Campo;
  static const std::vector<Disposicion> disposiciones = {
      {"DN",
       {Izq(C::Periodo, 7), Izq(C::Tributo, 6), Descripcion(30, 30), Izq(C::TipoDocumento, 10),
        Izq(C::NumeroDocumento, 17), Izq(C::FechaPresentacion, 10), Monto(C::MtoActS, 18, kMonto18),
        Izq(C::Acogido, 3), Izq(C::Conforme, 3), Monto(C::MtoActC, 18, kMonto18)}},
      {"DJ",
       {Izq(C::Periodo, 7), Izq(C::Tributo, 6), Descripcion(30, 41), Izq(C::FormularioOrden, 14),
        Izq(C::FechaPresentacion, 10), Monto(C::MtoActS, 18, kMonto18), Izq(C::Acogido, 3),
        Izq(C::Conforme, 3), Monto(C::MtoActC, 18, kMonto18)}},
      {"INF",
       {Izq(C::Periodo, 7), Izq(C::Tributo, 6), Descripcion(30, 30), Izq(C::NumeroDocumento, 17),
        Izq(C::TributoAsociado, 10), Izq(C::FechaPresentacion, 10), Monto(C::MtoActS, 18, kMonto18),
        Izq(C::Acogido, 3), Izq(C::Conforme, 3), Monto(C::MtoActC, 18, kMonto18)}},
      {"ODV",
       {Izq(C::Periodo, 7), Izq(C::Tributo, 4), Descripcion(14, 14), Izq(C::TipoDocumento, 10),
        Izq(C::NumeroDocumento, 17), Izq(C::FechaPresentacion, 10),
        Monto(C::MtoTributoC, 16, kMonto16), Monto(C::MtoActC, 16, kMonto16)}},
      {"ODDJ",
       {Izq(C::Periodo, 7), Izq(C::Tributo, 4), Descripcion(20, 20), Izq(C::FormularioOrden, 17),
        Izq(C::FechaPresentacion, 10), Monto(C::MtoTributoC, 16, kMonto16),
        Monto(C::MtoActC, 16, kMonto16)}},
      {"ODINF",
       {Izq(C::Periodo, 7), Izq(C::Tributo, 4), Descripcion(30, 30), Izq(C::TributoAsociado, 10),
        Izq(C::FechaPresentacion, 10), Monto(C::MtoTributoC, 16, kMonto16),
        Monto(C::MtoActC, 16, kMonto16)}},
      {"DN_NA",
       {Izq(C::Periodo, 7), Izq(C::Tributo, 4), Descripcion(29, 29), Izq(C::TipoDocumentoValor, 10),
        Izq(C::NumeroDocumento, 17), Izq(C::FechaDescarga, 10), Monto(C::MtoActS, 18, kMonto18)}},
      {"CF",
       {Izq(C::NumeroDocumento, 17), Izq(C::PeriodoGarantia, 7), Izq(C::Tributo, 6),
        Descripcion(30, 30), Monto(C::MtoTributoC, 18, kMonto18), Monto(C::Interes, 14, kMonto14),
        Monto(C::MtoActC, 14, kMonto14)}},
  };
  return disposiciones;
}

// The guarantee reports share one layout.
const Disposicion* DisposicionDe(const std::string& sCodigo) {
  const std::string& sBuscado = sCodigo == "GH" ? "CF" : sCodigo;
  for (const Disposicion& d : Disposiciones())
    if (sBuscado == d.sCodigo) return &d;
  return nullptr;
}

bool Tiene(const Disposicion& d, Campo campo) {
  for (const Columna& c : d.columnas)
    if (c.campo == campo) return true;
  return false;
}

std::string SiNo(const std::string& sIndicador) {
  if (sIndicador == "1") return "SI";
  if (sIndicador == "2") return "NO";
  return "-";
}

// An amount column's text through its pattern; an empty text stays empty.
std::string Cifra(const std::string& sMonto, const char* sPatron) {
  return sMonto.empty() ? "" : vb::Format(vb::Variant(sMonto), sPatron);
}

bool EnBlanco(const std::string& sMonto) { return vb::Trim(sMonto).empty(); }

// The two interests added, each blank one as 0; empty when both are blank.
std::string Interes(const DeudaImpresa& d, const char* sPatron) {
  if (EnBlanco(d.sMtoIntC) && EnBlanco(d.sMtoIntCapC)) return "";
  vb::Currency suma = ConvierteMoneda(d.sMtoIntC) + ConvierteMoneda(d.sMtoIntCapC);
  return vb::Format(vb::Variant(suma), sPatron);
}

std::string TextoCampo(const DeudaImpresa& d, const Columna& c) {
  switch (c.campo) {
    case Campo::Periodo:
      return vb::Right(d.sPerDoc, 2) + "/" + vb::Left(d.sPerDoc, 4);
    case Campo::PeriodoGarantia:
      return vb::Right(d.sPerDoc, 2) + "  " + vb::Left(d.sPerDoc, 4);
    case Campo::Tributo:
      return ConvierteCodTributo(d.sCodTri, 0);
    case Campo::Descripcion:
      return vb::Left(d.sDescripcion, c.iLargo);
    case Campo::TipoDocumento:
      return d.sTipoDocumento;
    case Campo::TipoDocumentoValor:
      return d.sTipDeu == "01" ? d.sTipoDocumento : vb::Space(10);
    case Campo::TributoAsociado:
      return ConvierteCodTributo(d.sCodTriAso, 0);
    case Campo::NumeroDocumento:
      return vb::Trim(d.sNumDoc);
    case Campo::FormularioOrden:
      return vb::Trim(d.sCodFor) + "-" + vb::Trim(d.sNumDoc);
    case Campo::FechaPresentacion:
      return gsCasillas[kCasillaPresentacion];
    case Campo::FechaDescarga:
      return vb::Left(d.sFecDesDeu, 10);
    case Campo::Acogido:
      return SiNo(d.sAcog);
    case Campo::Conforme:
      return SiNo(d.sConf);
    case Campo::MtoActS:
      return Cifra(d.sMtoActS, c.sPatron);
    case Campo::MtoTributoC:
      return Cifra(d.sMtoTributoC, c.sPatron);
    case Campo::MtoActC:
      return Cifra(d.sMtoActC, c.sPatron);
    case Campo::Interes:
      return Interes(d, c.sPatron);
  }
  return "";
}

std::string Rellena(const std::string& sTexto, const Columna& c) {
  return c.bDerecha ? gUtil.RellenaIzquierda(sTexto, c.iAncho, " ")
                    : gUtil.RellenaDerecha(sTexto, c.iAncho, " ");
}

MemoriaDescripciones* gMemoria = nullptr;

// A description through the listing's memory when one is held.
std::string Descripcion(const std::string& sNumero, const std::string& sArgumento, int iLargo) {
  if (gMemoria) return gMemoria->Lee(sNumero, sArgumento, iLargo);
  return LeeParametro(sNumero, std::string(sArgumento), iLargo, 1);
}

// A column's text; a column without a value reads as "".
std::string Texto(dao::Recordset& rs, const char* sColumna) {
  vb::Variant valor = rs(sColumna).Value();
  return valor.IsNull() ? "" : vb::CStr(valor);
}

// The row's columns and, where the code's line shows them, the descriptions of
// its tax and document type.
DeudaImpresa LeeDeuda(dao::Recordset& rs, const Disposicion& d) {
  DeudaImpresa deuda{.sTipDeu = Texto(rs, "Ind_tip_deu"),
                     .sPerDoc = Texto(rs, "per_doc"),
                     .sCodTri = Texto(rs, "cod_tri"),
                     .sCodTriAso = Texto(rs, "cod_tri_aso"),
                     .sNumDoc = Texto(rs, "num_doc"),
                     .sCodFor = Texto(rs, "cod_for"),
                     .sFecDesDeu = Texto(rs, "fec_des_deu"),
                     .sAcog = Texto(rs, "ind_acog"),
                     .sConf = Texto(rs, "ind_conf"),
                     .sMtoActS = Texto(rs, "mto_act_s"),
                     .sMtoTributoC = Texto(rs, "mto_tributo_c"),
                     .sMtoIntC = Texto(rs, "mto_int_c"),
                     .sMtoIntCapC = Texto(rs, "mto_int_cap_c"),
                     .sMtoActC = Texto(rs, "mto_act_c")};
  int iLargo = 0;
  for (const Columna& c : d.columnas)
    if (c.campo == Campo::Descripcion) iLargo = c.iLargo;
  deuda.sDescripcion = Descripcion("725", deuda.sCodTri, iLargo);
  bool bTipo = Tiene(d, Campo::TipoDocumento) ||
               (Tiene(d, Campo::TipoDocumentoValor) && deuda.sTipDeu == "01");
  if (bTipo) deuda.sTipoDocumento = Descripcion("726", Texto(rs, "cod_tip_doc"), 10);
  return deuda;
}

}  // namespace

MemoriaDescripciones::MemoriaDescripciones() : anterior_(gMemoria) { gMemoria = this; }

MemoriaDescripciones::~MemoriaDescripciones() { gMemoria = anterior_; }

std::string MemoriaDescripciones::Lee(const std::string& sNumero, const std::string& sArgumento,
                                      int iLargo) {
  std::string sClave = sNumero + "|" + std::to_string(iLargo) + "|" + sArgumento;
  auto leida = leidas_.find(sClave);
  if (leida != leidas_.end()) return leida->second;
  std::string sFuncion = LeeParametro(sNumero, std::string(sArgumento), iLargo, 1);
  leidas_.emplace(sClave, sFuncion);
  return sFuncion;
}

std::vector<std::string> TitulosColumnas(const std::string& sCodigo) {
  if (sCodigo == "CF" || sCodigo == "GH")
    return {"N° del valor     Período     Tributo / Concepto" + vb::Space(26) +
                "Monto actualizado al: " + gsCasillas[kCasillaPresentacion],
            "resolución       Mes  Año Código  Denominación" + vb::Space(24) +
                "Tributo/Multa       Interés          Total"};
  for (const Titulos& t : kTitulos)
    if (sCodigo == t.sCodigo) return {t.sPrimera, t.sSegunda};
  return {};
}

std::string LineaDetalle(const DeudaImpresa& deuda, const std::string& sCodigo) {
  const Disposicion* d = DisposicionDe(sCodigo);
  if (!d) return "";
  std::string sLinea;
  for (const Columna& c : d->columnas) {
    if (&c != &d->columnas.front()) sLinea += " ";
    sLinea += Rellena(TextoCampo(deuda, c), c);
  }
  return sLinea;
}

void ImprimeTitulosColumnas(int iHoja, int& iPosY, const std::string& /*sTabla*/,
                            const std::string& sCodigo) {
  std::vector<std::string> titulos = TitulosColumnas(sCodigo);
  if (titulos.empty()) return;
  EscribePos(kXLinea, iPosY, titulos[0], true, gnTamanoListado, iHoja);
  iPosY += kSaltoTitulo;
  EscribePos(kXLinea, iPosY, titulos[1], true, gnTamanoListado, iHoja);
}

void ImprimeDetalleAnexo(int iHoja, int iPosY, dao::Recordset& rs, const std::string& /*sTabla*/,
                         const std::string& sCodigo) {
  const Disposicion* d = DisposicionDe(sCodigo);
  if (!d) return;
  EscribePos(kXLinea, iPosY, LineaDetalle(LeeDeuda(rs, *d), sCodigo), false, gnTamanoListado,
             iHoja);
}

}  // namespace korva
