// The loader of one line of the personalised debt file: its fields, its checks
// and the F0942DEUDAS row it becomes.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/modGen02.h"
#include "formulario/import/FrmImportar.h"
#include "platform/dao/bytes.h"
#include "platform/dao/constants.h"
#include "platform/dao/errors.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kFormulario = "0942";

// The dynaset the lines add their rows through. It selects no stored row and
// opens append-only, so that no row of the debt table is read for it.
constexpr const char* kDeudasParaAgregar = "SELECT * FROM F0942DEUDAS WHERE False";

// A line generated in another month than the file's first line would leave debt
// rows under a period with no header row, unseen and blocking every later
// import of that period; it is refused as an invalid value, the number the
// user reports.
constexpr int kErrorMesDistinto = 5;

// The positions of "|" and the field counter were bytes in the file's original
// reader; a field of 255 or more characters overflows them.
constexpr long kMaximoPosicion = 255;

// A line holds 27 fields, each of at most 254 characters and its "|": a longer
// line is no line of the file, and is refused as an overflow before any of it is
// read.
constexpr long kCamposLinea = 27;
constexpr long kLargoMaximoLinea = kCamposLinea * kMaximoPosicion;

constexpr const char* kMensajeVersion =
    "Se han presentado problemas técnicos al momento de importar su información. Esta versión "
    "del ZEP requiere que el archivo personalizado haya sido generado a partir del 24.07.2006.";
constexpr const char* kMensajeErrorTecnico =
    "Se han presentado problemas técnicos al momento de importar su información. Favor de "
    "comunicarse con TELVO informando lo sucedido e indicando el número de error técnico.";

// What the search for the "|" that ends a field finds.
enum class Separador { Hallado, Ninguno, Desborda };

// Finds the "|" that ends the field starting at byte `nInicio`, leaving its byte
// offset in `nFin`. Its position counts characters from the field's start, and
// one further than a byte can count overflows. A "|" is never part of a longer
// character, and a field of no more bytes than a byte can count has no more
// characters either, so only a longer one is counted.
Separador BuscaSeparador(const std::string& sLinea, std::size_t nInicio, std::size_t& nFin) {
  std::size_t nBarra = sLinea.find('|', nInicio);
  if (nBarra == std::string::npos) return Separador::Ninguno;
  if (nBarra - nInicio + 1 <= static_cast<std::size_t>(kMaximoPosicion)) {
    nFin = nBarra;
    return Separador::Hallado;
  }
  long nCaracteres = 0;
  for (std::size_t i = nInicio; i < sLinea.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(sLinea[i]);
    if ((c & 0xC0) == 0x80) continue;
    ++nCaracteres;
    if (c != '|') continue;
    if (nCaracteres > kMaximoPosicion) return Separador::Desborda;
    nFin = i;
    return Separador::Hallado;
  }
  return Separador::Ninguno;
}

// The number up to three plain digits write, the usual form of a field number
// or a flag, read without a text made of them; false for any other text.
bool HastaTresDigitos(std::string_view sTexto, long& nNumero) {
  if (sTexto.empty() || sTexto.size() > 3) return false;
  nNumero = 0;
  for (char c : sTexto) {
    if (c < '0' || c > '9') return false;
    nNumero = nNumero * 10 + (c - '0');
  }
  return true;
}

// Whether a field number Val read is whole, without a call to floor: a number
// past 1e15 is, and below it the conversion to a whole number is exact.
bool EsEntero(double nNumero) {
  return nNumero > 1e15 || nNumero < -1e15 || nNumero == static_cast<double>(static_cast<long long>(nNumero));
}

// The field a position names when Val reads it as a whole number from 0 to
// kMaximoPosicion, else -1: no field, whether the number has decimals, is
// negative or lies past every field a line can have. The plain digits every
// caller passes are read as a whole number directly, without a text made of
// them or a floating-point step, since a file's line asks for some thirty
// fields.
long NumeroDeCampo(std::string_view sPosicion) {
  long nNumero = 0;
  if (HastaTresDigitos(sPosicion, nNumero)) return nNumero <= kMaximoPosicion ? nNumero : -1;
  double nVal = vb::Val(std::string(sPosicion));
  return nVal >= 0 && EsEntero(nVal) && nVal <= kMaximoPosicion ? static_cast<long>(nVal) : -1;
}

// The bytes from `nInicio` to `nFin` without the blanks around them, as Trim
// gives them: a blank is never part of a longer character.
std::string_view SinBlancos(const std::string& sTexto, std::size_t nInicio, std::size_t nFin) {
  while (nInicio < nFin && sTexto[nInicio] == ' ') ++nInicio;
  while (nFin > nInicio && sTexto[nFin - 1] == ' ') --nFin;
  return std::string_view(sTexto).substr(nInicio, nFin - nInicio);
}

bool EsAscii(std::string_view sTexto) {
  return std::all_of(sTexto.begin(), sTexto.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Left and Right of a text, whose characters are its bytes when it is ASCII, as a
// field of dates and times of the file is.
void IzquierdaYDerecha(std::string_view sTexto, long nIzquierda, long nDerecha, std::string& sSalida) {
  if (!EsAscii(sTexto)) {
    std::string sCopia(sTexto);
    sSalida = vb::Left(sCopia, nIzquierda) + vb::Right(sCopia, nDerecha);
    return;
  }
  sSalida.assign(sTexto.substr(0, static_cast<std::size_t>(nIzquierda)));
  std::size_t nDesde = sTexto.size() > static_cast<std::size_t>(nDerecha) ? sTexto.size() - nDerecha : 0;
  sSalida.append(sTexto.substr(nDesde));
}

// A date of the file written yyyy?mm?dd, as dd/mm/yyyy. Characters and bytes
// are the same in a field of ASCII, which a date of the file is.
std::string FechaDeArchivo(const std::string& sCampo) {
  if (EsAscii(sCampo) && sCampo.size() >= 7) {
    std::string sFecha = sCampo.substr(sCampo.size() - 2);
    sFecha += '/';
    sFecha.append(sCampo, 5, 2);
    sFecha += '/';
    sFecha.append(sCampo, 0, 4);
    return sFecha;
  }
  return vb::Right(sCampo, 2) + "/" + vb::Mid(sCampo, 6, 2) + "/" + vb::Left(sCampo, 4);
}

// CByte of a field: up to three plain digits, the flag's usual form, are read
// as the number they write; anything else as CByte reads it.
std::uint8_t ByteDeCampo(std::string_view sCampo) {
  long nNumero = 0;
  if (HastaTresDigitos(sCampo, nNumero) && nNumero <= 255) return static_cast<std::uint8_t>(nNumero);
  return vb::CByte(vb::Variant(std::string(sCampo)));
}

std::string Texto(const dao::Field& campo) { return vb::Trim(campo.ValueInPlace().ToString()); }

bool TributoConCuotasAlternas(const std::string& sCodTri) {
  return sCodTri == "020101" || sCodTri == "020201" || sCodTri == "020301" || sCodTri == "020401";
}

// The states of a reported debt that still await the taxpayer's answer.
bool EsperaRespuesta(const std::string& sEstado) {
  return sEstado == "00" || sEstado == "07" || sEstado == "08";
}

// For a good taxpayer a debt observed in state "06" or "18" is reported as
// pending when it is the period two months before the file's month (November
// or December of the year before for a file of January or February) or, from
// April on, the previous year's annual period "13".
bool PeriodoLiberado(const std::string& sPeriodoArchivo, const std::string& sPerDoc) {
  std::string sAnioArchivo = vb::Left(sPeriodoArchivo, 4);
  double nAnio = vb::Val(sAnioArchivo);
  double nMes = vb::Val(vb::Right(sPeriodoArchivo, 2));
  std::string sAnio = vb::Left(sPerDoc, 4);
  std::string sMes = vb::Right(sPerDoc, 2);
  if (nMes > 2 && sAnio == sAnioArchivo && vb::Val(sMes) == nMes - 2) return true;
  if (nMes > 2 && vb::Val(sAnio) == nAnio - 1 && sMes == "13" && nMes >= 4) return true;
  return nMes <= 2 && vb::Val(sAnio) + 1 == nAnio && vb::Val(sMes) == nMes + 10;
}

// Marks the line being loaded for as long as its load lasts, however it ends.
class LineaEnCarga {
 public:
  LineaEnCarga(const std::string*& pEnCarga, const std::string& sLinea) : pEnCarga_(pEnCarga) {
    pEnCarga_ = &sLinea;
  }
  ~LineaEnCarga() { pEnCarga_ = nullptr; }
  LineaEnCarga(const LineaEnCarga&) = delete;
  LineaEnCarga& operator=(const LineaEnCarga&) = delete;

 private:
  const std::string*& pEnCarga_;
};

void Descarta(dao::RecordsetPtr& rs) {
  if (!rs) return;
  if (rs->IsOpen()) {
    if (rs->EditMode() != dao::dbEditNone) rs->CancelUpdate();
    rs->Close();
  }
  rs.reset();
}

}  // namespace

const std::string& FrmImportar::FormatoRecordado::Aplica(const std::string& sTexto) {
  if (!bHay || sTexto != sEntrada) {
    sSalida = vb::Format(vb::Variant(sTexto), sPatron);
    sEntrada = sTexto;
    bHay = true;
    bLeida = false;
  }
  return sSalida;
}

void FrmImportar::FormatoRecordado::LeeFecha() {
  if (bLeida) return;
  try {
    dFecha = vb::CDate(vb::Variant(sSalida));
  } catch (const vb::Error&) {
    dFecha.reset();
  }
  bLeida = true;
}

vb::Date FrmImportar::FormatoRecordado::Fecha() {
  LeeFecha();
  if (!dFecha) vb::Raise(13);
  return *dFecha;
}

vb::Variant FrmImportar::FormatoRecordado::Valor(const std::string& sTexto) {
  Aplica(sTexto);
  LeeFecha();
  return dFecha ? vb::Variant(*dFecha) : vb::Variant(sSalida);
}

// A text the column cannot read as a date is given as it is, for the column to
// refuse as it refuses any such text.
const vb::Variant& FrmImportar::FechaRecordada::Valor(const std::string& sTexto) {
  if (bHay && sTexto == sCampo) return valor;
  std::string sFecha = FechaDeArchivo(sTexto);
  try {
    valor = vb::Variant(vb::CDate(vb::Variant(sFecha)));
  } catch (const vb::Error&) {
    valor = vb::Variant(sFecha);
  }
  sCampo = sTexto;
  bHay = true;
  return valor;
}

// Finds the line's separators in one pass over its bytes, each search starting
// after the one before, up to the search that finds none or overflows, or to
// the most a field number asks for. Only a field longer than a byte can count
// has its characters counted.
void FrmImportar::SeparadoresDeLinea::Empieza(const std::string& sTexto) {
  sLinea = sTexto;
  nFines.clear();
  nVistos = 0;
  bTerminada = false;
  bDesborda = false;
  bAgotada = false;
  bDesbordaAlFinal = false;
  bLeida = true;
  constexpr std::size_t kMasBuscados = kMaximoPosicion + 1;
  nFines.resize(kMasBuscados);
  std::size_t nHallados = 0;
  std::size_t nInicio = 0;
  // Takes the "|" at byte `i`; false once no further one is to be taken.
  auto toma = [&](std::size_t i) {
    if (i - nInicio + 1 > static_cast<std::size_t>(kMaximoPosicion)) {
      Separador resultado = BuscaSeparador(sLinea, nInicio, i);
      if (resultado != Separador::Hallado) {
        bAgotada = true;
        bDesbordaAlFinal = resultado == Separador::Desborda;
        return false;
      }
    }
    nFines[nHallados++] = i;
    nInicio = i + 1;
    return nHallados < kMasBuscados;
  };
  bool bSigue = true;
  const char* pTexto = sLinea.data();
  std::size_t nLargo = sLinea.size();
  for (std::size_t i = dao::bytes::Find(pTexto, 0, nLargo, '|'); bSigue && i < nLargo;
       i = dao::bytes::Find(pTexto, i + 1, nLargo, '|'))
    bSigue = toma(i);
  nFines.resize(nHallados);
  if (bSigue) bAgotada = true;
}

// The searches reach the line's separators in order, up to the `nCuantos`th or
// to the search that found none or overflowed.
void FrmImportar::SeparadoresDeLinea::LeeHasta(std::size_t nCuantos) {
  if (bTerminada || nCuantos <= nVistos) return;
  nVistos = std::min(nCuantos, nFines.size());
  if (nCuantos > nFines.size() && bAgotada) {
    bTerminada = true;
    bDesborda = bDesbordaAlFinal;
  }
}

// Fields are counted from the line's start and the search for the next field's
// end runs before the field asked for is given, so an overflowing field overflows
// the field before it too; a field counter past 255 overflows as well. A field
// that is not there is looked for through every field of the line. A line is
// asked for some thirty fields: its separators are found once, and only as far
// as a field asked for needs them, which for a field that is not there is where
// the counter overflows.
std::string FrmImportar::RetornaCampo(const std::string& sCadenaNoEncryp,
                                      std::string_view PosCampo) const {
  return std::string(CampoEnLinea(sCadenaNoEncryp, PosCampo));
}

// The same field where the line holds it, good while the line lives.
std::string_view FrmImportar::CampoEnLinea(const std::string& sCadenaNoEncryp,
                                           std::string_view PosCampo) const {
  bool bEnCarga = &sCadenaNoEncryp == separadores_.pEnCarga;
  if (!bEnCarga && (!separadores_.bLeida || separadores_.sLinea != sCadenaNoEncryp))
    separadores_.Empieza(sCadenaNoEncryp);
  long nBuscado = NumeroDeCampo(PosCampo);
  separadores_.LeeHasta(nBuscado >= 0 ? static_cast<std::size_t>(nBuscado) + 2 : kMaximoPosicion + 1);
  const std::vector<std::size_t>& nFines = separadores_.nFines;
  std::size_t nVistos = separadores_.nVistos;
  if (nBuscado < 0 || static_cast<std::size_t>(nBuscado) >= nVistos) {
    if (separadores_.bDesborda || static_cast<long>(nVistos) > kMaximoPosicion) vb::Raise(6);
    return {};
  }
  std::size_t nCampo = static_cast<std::size_t>(nBuscado);
  if (nCampo + 1 == nVistos && separadores_.bDesborda) vb::Raise(6);
  std::size_t nInicio = nCampo == 0 ? 0 : nFines[nCampo - 1] + 1;
  return SinBlancos(sCadenaNoEncryp, nInicio, nFines[nCampo]);
}

bool FrmImportar::CargaTablaValor(const std::string& sCadenaNoEncryp) {
  bFechaHoy = true;
  try {
    return CargaLinea(sCadenaNoEncryp);
  } catch (const vb::Error& error) {
    MuestraErrorTecnico(error);
    CierraDeudas();
    return false;
  }
}

void FrmImportar::MuestraErrorTecnico(const vb::Error& error) {
  bool bMedio = error.Number() == dao::kErrDiskFull || error.Number() == dao::kErrReadOnly;
  forms::MsgBox(bMedio ? error.Description() : kMensajeErrorTecnico, forms::vbCritical,
                "Error tecnico : " + std::to_string(error.Number()));
}

FrmImportar::CamposClave::CamposClave(dao::Recordset& rs)
    : tip_doc_d(rs("tip_doc_d")), doc_id_d(rs("doc_id_d")), periodo(rs("periodo")), Formulario(rs("Formulario")),
      Semana(rs("Semana")) {}

FrmImportar::CamposDeuda::CamposDeuda(dao::Recordset& rs)
    : clave(rs), ind_tip_deu(rs("ind_tip_deu")), per_doc(rs("per_doc")), cod_tri(rs("cod_tri")), num_doc(rs("num_doc")),
      cod_for(rs("cod_for")), cod_tip_doc(rs("cod_tip_doc")), cod_tri_aso(rs("cod_tri_aso")),
      ind_ver_deu(rs("ind_ver_deu")), Fec_ult_cap(rs("Fec_ult_cap")), fec_des_deu(rs("fec_des_deu")),
      num_cuo(rs("num_cuo")), num_pro(rs("num_pro")), Num_ord_dj(rs("Num_ord_dj")),
      mto_tributo_s(rs("mto_tributo_s")), mto_int_cap_s(rs("mto_int_cap_s")), mto_int_s(rs("mto_int_s")),
      mto_act_s(rs("mto_act_s")), mto_tributo_c(rs("mto_tributo_c")), mto_int_cap_c(rs("mto_int_cap_c")),
      mto_int_c(rs("mto_int_c")), mto_act_c(rs("mto_act_c")), Ind_impugnado(rs("Ind_impugnado")),
      ind_acog(rs("ind_acog")), cNumero(rs("cNumero")) {}

void FrmImportar::CierraDeudas() {
  camposDeudas_.reset();
  Descarta(rsDeudas_);
  dbDeudas_ = nullptr;
  noImportada_.reset();
}

// The lines of one file add their rows through one dynaset, opened by the first:
// opening one per line would cost as much as storing the row. A dynaset of a
// database that was closed or replaced since is opened again.
dao::Recordset& FrmImportar::DeudasParaAgregar() {
  if (!rsDeudas_ || !rsDeudas_->IsOpen() || dbDeudas_ != gDB.get() || !camposDeudas_) {
    CierraDeudas();
    rsDeudas_ = gDB->OpenRecordset(kDeudasParaAgregar, dao::dbOpenDynaset, dao::dbAppendOnly);
    dbDeudas_ = gDB.get();
    camposDeudas_.emplace(*rsDeudas_);
  }
  return *rsDeudas_;
}

// A line has no more characters than bytes, so only a longer one is counted.
bool FrmImportar::CargaLinea(const std::string& sLinea) {
  if (static_cast<long>(sLinea.size()) > kLargoMaximoLinea && vb::Len(sLinea) > kLargoMaximoLinea) vb::Raise(6);
  if (!separadores_.bLeida || separadores_.sLinea != sLinea) separadores_.Empieza(sLinea);
  LineaEnCarga enCarga(separadores_.pEnCarga, sLinea);
  IzquierdaYDerecha(CampoEnLinea(sLinea, "15"), 10, 0, sMomento_);
  std::string sFecha = fechaArchivo_.Aplica(sMomento_);
  if (vb::DateDiff("d", fechaArchivo_.Fecha(), vb::Today()) >= 1) {
    bFechaHoy = false;
    return false;
  }
  AsignaPeriodo(sFecha);
  dao::Recordset& rs = DeudasParaAgregar();
  std::string sRuc = RucSeleccionado();
  if (!NoImportadaAun(sRuc)) {
    CierraDeudas();
    return false;
  }
  sIndGarantia = RetornaCampo(sLinea, "23");
  sIndPersona = RetornaCampo(sLinea, "24");
  sMtoDeuda = RetornaCampo(sLinea, "25");
  sMtoDeudaGarantia = RetornaCampo(sLinea, "26");
  rs.AddNew();
  if (!AsignaDeuda(sLinea, sRuc, rs, *camposDeudas_)) {
    CierraDeudas();
    return false;
  }
  rs.Update();
  return true;
}

// Every line asks whether its declaration was imported before. The answer
// reads only the header table, which the run writes after its last line, and
// the run's transaction holds the write lock from its start, so no other
// program writes it either: once a declaration was found not imported, the
// lines after it that name the same one are given that answer again while the
// run's dynaset stays open. Closing the dynaset, at the end of a file or on any
// failure, forgets it.
bool FrmImportar::NoImportadaAun(const std::string& sRuc) {
  ClaveDeclaracion clave{sRuc, gsPeriodo, gnSemana};
  if (noImportada_ == clave) return true;
  if (VerificaTablaValor(sRuc, 1)) return false;
  noImportada_ = std::move(clave);
  return true;
}

// Fills the new row from the line; false, after the version message, for a
// file generated before the good-taxpayer flag existed.
bool FrmImportar::AsignaDeuda(const std::string& sLinea, const std::string& sRuc, dao::Recordset& rs,
                              CamposDeuda& campos) {
  AsignaClave(campos.clave, sRuc, gnSemana);
  if (!RetornaCampo(sLinea, "13").empty()) {
    AsignaDeudaNormal(sLinea, campos);
  } else {
    AsignaOtrasDeudas(sLinea, campos);
  }
  AsignaValoresArchivo(sLinea, campos);
  if (gsBuenContrib.empty()) {
    forms::MsgBox(kMensajeVersion, forms::vbCritical, "Error tecnico : 0");
    return false;
  }
  AplicaBuenContribuyente(campos);
  if (!EsperaRespuesta(Texto(campos.ind_ver_deu))) {
    campos.ind_acog = 2;
    for (dao::Field* monto : {&campos.mto_tributo_c, &campos.mto_int_cap_c, &campos.mto_int_c, &campos.mto_act_c})
      *monto = "0.00";
  }
  campos.cNumero = GeneraCNumero(rs, 7);
  return true;
}

// The declaration's key, which every row the import writes begins with.
void FrmImportar::AsignaClave(const CamposClave& clave, const std::string& sRuc, std::uint8_t nSemana) {
  clave.tip_doc_d = 6;
  clave.doc_id_d = sRuc;
  clave.periodo = gsPeriodo;
  clave.Formulario = kFormulario;
  clave.Semana = nSemana;
}

// The declaration's period is the year and month of the file's date; the first
// line of a run fixes it for the whole file.
void FrmImportar::AsignaPeriodo(const std::string& sFecha) {
  std::string sPeriodo = vb::Right(sFecha, 4) + vb::Mid(sFecha, 4, 2);
  if (!sPeriodoArchivo_.empty() && sPeriodo != sPeriodoArchivo_) vb::Raise(kErrorMesDistinto);
  sPeriodoArchivo_ = sPeriodo;
  gsPeriodo = sPeriodo;
}

void FrmImportar::AsignaDeudaNormal(const std::string& sLinea, CamposDeuda& campos) {
  auto campo = [&](const char* sPos) { return RetornaCampo(sLinea, sPos); };
  campos.ind_tip_deu = campo("13");
  campos.per_doc = campo("4");
  campos.cod_tri = campo("5");
  campos.num_doc = campo("1");
  campos.cod_for = campo("2");
  // A form code of three digits is stored with its leading zero.
  if (vb::Len(Texto(campos.cod_for)) == 3) campos.cod_for = "0" + campo("2");
  campos.cod_tip_doc = campo("11");
  campos.cod_tri_aso = campo("12");
  campos.ind_ver_deu = campo("14");
  campos.Fec_ult_cap = ultimaCapitalizacion_.Valor(campo("6"));
  campos.fec_des_deu = FechaDescarga(sLinea);
  campos.num_cuo = campo("3");
  campos.num_pro = campo("0");
  AsignaMontosArchivo(sLinea, campos, "9", "8");
  if (TributoConCuotasAlternas(Texto(campos.cod_tri)) && gnSemana == 1) campos.num_cuo = campo("20");
  campos.Num_ord_dj = campo("21");
}

// The record of other debts has no key of its own: fixed values stand in for it,
// and its interest and capitalised interest come in the other order.
void FrmImportar::AsignaOtrasDeudas(const std::string& sLinea, CamposDeuda& campos) {
  campos.ind_tip_deu = "05";
  campos.per_doc = "200508";
  for (dao::Field* clave : {&campos.cod_tri, &campos.num_doc, &campos.cod_for, &campos.cod_tip_doc,
                            &campos.cod_tri_aso, &campos.ind_ver_deu})
    *clave = 0;
  campos.num_cuo = "0";
  campos.Fec_ult_cap = "01/01/1901";
  campos.fec_des_deu = FechaDescarga(sLinea);
  campos.num_pro = RetornaCampo(sLinea, "0");
  AsignaMontosArchivo(sLinea, campos, "8", "9");
  for (dao::Field* monto : {&campos.mto_tributo_c, &campos.mto_int_cap_c, &campos.mto_int_c, &campos.mto_act_c})
    *monto = "0.00";
}

// The moment the file was generated (field 15), as the debt's download date.
vb::Variant FrmImportar::FechaDescarga(const std::string& sLinea) {
  IzquierdaYDerecha(CampoEnLinea(sLinea, "15"), 10, 9, sMomento_);
  return momentoArchivo_.Valor(sMomento_);
}

// The amounts as the file states them: tribute (field 7), capitalised interest,
// interest and updated total (field 10). The two kinds of record give the two
// interests in opposite fields.
void FrmImportar::AsignaMontosArchivo(const std::string& sLinea, CamposDeuda& campos,
                                    const char* sPosIntCap, const char* sPosInt) {
  campos.mto_tributo_s = RetornaCampo(sLinea, "7");
  campos.mto_int_cap_s = RetornaCampo(sLinea, sPosIntCap);
  campos.mto_int_s = RetornaCampo(sLinea, sPosInt);
  campos.mto_act_s = RetornaCampo(sLinea, "10");
}

// What every line leaves for the declaration's header: the last line's values
// are the ones stored.
void FrmImportar::AsignaValoresArchivo(const std::string& sLinea, CamposDeuda& campos) {
  campos.Ind_impugnado = RetornaCampo(sLinea, "17");
  gnRucDelito = ByteDeCampo(CampoEnLinea(sLinea, "16"));
  gsFechaVenc = FechaDeArchivo(RetornaCampo(sLinea, "18"));
  gsFecVencRenta = FechaDeArchivo(RetornaCampo(sLinea, "19"));
  gsBuenContrib = vb::Trim(vb::Left(RetornaCampo(sLinea, "22"), 1));
}

void FrmImportar::AplicaBuenContribuyente(CamposDeuda& campos) {
  if (gsBuenContrib != "1") return;
  std::string sEstado = Texto(campos.ind_ver_deu);
  if (sEstado != "06" && sEstado != "18") return;
  if (PeriodoLiberado(gsPeriodo, Texto(campos.per_doc))) campos.ind_ver_deu = "00";
}

}  // namespace korva
