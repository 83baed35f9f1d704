// The check of an entry before it is stored: its frame (the rules run in one
// fixed order and the first that fails ends it), the ways a failure is
// reported, and the period rules: a period typed, the taxes of a natural
// person's income not mixed with other debts, the latest period the tax
// allows, and the tax's last and first periods.
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/modGen02.h"
#include "formulario/non_notified_debts/FrmNoNotificada.h"
#include "formulario/non_notified_debts/ReglasTributo.h"
#include "formulario/non_notified_debts/ReglasValidacion.h"
#include "platform/dao/dao.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kPeriodoVacio = "__/____";
constexpr const char* kPeriodoInicial = "01/1979";
constexpr const char* kPeriodoNoValido = "El periodo no es válido";
constexpr const char* kPeriodoNoValidoTributo =
    "El periodo no es válido para el tributo seleccionado";
constexpr const char* kSinFechaAcogimiento =
    "Debe registrar la Fecha de actualización en la pestaña Información general de la solicitud.";
constexpr const char* kTributosMezclados =
    "No se puede combinar deudas de persona natural generadoras de rentas de capital y/o trabajo "
    "(tributos 3071, 3072, 3073, 3074) con el resto de deudas. Por favor, elija deudas de un solo "
    "tipo en la solicitud.";

// A natural person's income from capital or work.
bool EsPersonaNatural(const std::string& sTributo) {
  return EsUno(sTributo, {"3071", "3072", "3073", "3074"});
}

}  // namespace

bool FrmNoNotificada::Valida_Datos() {
  Entrada e = LeeEntrada();
  if (!ValidaPeriodo(e) || !ValidaAnioYValores(e)) return false;
  if (e.sTipoDeuda == "1" && !ValidaDocumentoValor()) return false;
  if (e.sTipoDeuda == "3" && !ValidaDocumentoInfraccion()) return false;
  if (!ValidaRespuestaDeclaracion(e)) return false;
  // Without a sworn declaration there is no form, order number, week or
  // payment type to check.
  if (OptRespDDJJ(1).Value() && !(ValidaDeclaracionJurada(e) && ValidaSemanaYTipoPago(e)))
    return false;
  return ValidaTipoDeuda(e) && ValidaTributo(e) && ValidaInteresCapitalizado(e) &&
         ValidaInteres(TxtMtoIntereses, "interés no capitalizado") && ValidaMontoAcogido(e);
}

FrmNoNotificada::Entrada FrmNoNotificada::LeeEntrada() {
  Entrada e;
  e.sTributo = Tributo();
  e.sTipoDeuda = vb::Trim(TipoDeuda());
  e.sPeriodo = mkePeriodo.Text();
  e.sMes = vb::Left(e.sPeriodo, 2);
  e.sAnio = vb::Right(e.sPeriodo, 4);
  std::string sFecha = Solicitud().FechaAcogimiento();
  e.sFechaAcog = AnioMesDia(sFecha);
  e.sAnioAcog = vb::Right(sFecha, 4);
  e.nAnioAcog = static_cast<int>(vb::Val(e.sAnioAcog));
  e.nMesAcog = static_cast<int>(vb::Val(vb::Mid(sFecha, 4, 2)));
  return e;
}

bool FrmNoNotificada::Rechaza(const std::string& sMensaje, forms::Control* foco) {
  MuestraMensajeError(sMensaje, "Error");
  Enfoca(foco);
  return false;
}

bool FrmNoNotificada::RechazaConTitulo(const std::string& sMensaje, forms::Control* foco) {
  MuestraMensajeError(sMensaje, Caption());
  Enfoca(foco);
  return false;
}

bool FrmNoNotificada::RechazaYRepone(const std::string& sMensaje, forms::TextBox& caja) {
  MuestraMensajeError(sMensaje, "Error");
  caja.SetText("0.00");
  Enfoca(&caja);
  return false;
}

bool FrmNoNotificada::Confirma(const std::string& sPregunta) {
  return forms::MsgBox(sPregunta, forms::vbQuestion + forms::vbYesNo, Caption()) == forms::vbYes;
}

// Only a control the user can reach takes the focus.
void FrmNoNotificada::Enfoca(forms::Control* control) {
  if (control && IsLoaded() && Visible() && control->IsShown() && control->IsEnabledInContext())
    control->SetFocus();
}

long FrmNoNotificada::CuentaFilas(const std::string& sSQL) {
  dao::RecordsetPtr rs = gDB->OpenRecordset(sSQL, dao::dbOpenSnapshot);
  long nCont = rs->Eof() ? 0 : vb::CLng((*rs)("nCont").Value());
  rs->Close();
  return nCont;
}

bool FrmNoNotificada::ValidaPerMensual(const std::string& xPerIngresado,
                                       const std::string& xPerInicio, const std::string& xPerFinal,
                                       int xTipo) {
  return PeriodoMensualValido(xPerIngresado, xPerInicio, xPerFinal, xTipo);
}

bool FrmNoNotificada::ValidaPeriodo(Entrada& e) {
  if (e.sPeriodo == kPeriodoVacio) return Rechaza("Debe registrar el periodo", &mkePeriodo);
  if (!ValidaTributosPersonaNatural(e)) return false;
  const std::string& T = e.sTributo;
  if (!EsUno(T, {"3071", "3081", "8131", "9021", "3037", "3072", "3073", "3074"}) &&
      vb::Left(T, 1) != "6" && !ValidaPeriodoEnRango(e, gsPeriodoMMAAAA, TipoDePeriodo(e)))
    return false;
  if (!ValidaLimitePorTributo(e)) return false;
  if (cboTributo.ListIndex() == -1)
    return Rechaza("Debe seleccionar el tributo adeudado", &cboTributo);
  return ValidaFechasDelTributo(e);
}

// The accepted debts of the declaration may not mix a natural person's income
// from capital or work with other debts: the added ones, the reported valores
// and other debts still valid, the reported self-assessed debts and
// infractions still valid.
bool FrmNoNotificada::ValidaTributosPersonaNatural(const Entrada& e) {
  const std::string sOtros = EsPersonaNatural(e.sTributo) ? "not in" : "in";
  const char* categorias[] = {
      "AND ind_tip_deu = '04' ",
      "AND ind_tip_deu in ( '01', '05' ) AND ind_ver_deu in ( '0','00', '07', '08' ) ",
      "AND ind_tip_deu in ( '02', '03' ) AND ind_ver_deu in ( '00', '07', '08' ) "};
  for (const char* sCategoria : categorias) {
    gsSQL = std::string("SELECT count(*) as nCont FROM TMP_F0942DEUDAS ") +
            "WHERE doc_id_d = " + vb::SqlText(msRuc) + " " +
            "AND Semana = " + std::to_string(gnSemana) + " " + sCategoria + "AND ind_acog = 1 " +
            "AND cod_tri " + sOtros + " ('030701','030702','030703','030704') ";
    if (CuentaFilas(gsSQL) > 0) return RechazaConTitulo(kTributosMezclados);
  }
  return true;
}

// A valor whose document number has 16 characters may have month 14; a fine
// month 13.
int FrmNoNotificada::TipoDePeriodo(const Entrada& e) {
  if (vb::Left(e.sTributo, 1) == "6") return 1;
  return e.sTipoDeuda == "1" && vb::Len(txtNumDocumento.Text()) == 16 ? 3 : 0;
}

bool FrmNoNotificada::ValidaPeriodoEnRango(const Entrada& e, const std::string& sFinal, int xTipo) {
  if (ValidaPerMensual(e.sPeriodo, kPeriodoInicial, sFinal, xTipo)) return true;
  return Rechaza(kPeriodoNoValido, &mkePeriodo);
}

// The latest period the tax allows, from the acceptance date, the due dates and
// the declaration's period. The acceptance date may not have been typed yet on
// the request form: the entry then waits for it.
bool FrmNoNotificada::ValidaLimitePorTributo(Entrada& e) {
  if (vb::InStr(Solicitud().FechaAcogimiento(), "_") > 0)
    return RechazaConTitulo(kSinFechaAcogimiento);
  gsPeriodoLimite = gsPeriodoMMAAAA;
  const std::string& T = e.sTributo;
  bool bBueno = gsBuenContrib == "1";
  if (EsTributoAnual(T) || T == "3061") {
    gsPeriodoLimite = LimiteAnual(e.nAnioAcog, e.sFechaAcog, AnioMesDia(gsFecVencRenta));
    return true;
  }
  if (EsUno(T, {"3071", "3081", "3037", "8131", "3072", "3073", "3074", "9021"})) {
    int nMesRenta = static_cast<int>(vb::Val(vb::Mid(gsFecVencRenta, 4, 2)));
    gsPeriodoLimite = LimiteMesTrece(T, e.nAnioAcog, e.nMesAcog, nMesRenta, bBueno);
    return ValidaPeriodoEnRango(e, gsPeriodoLimite, T == "3037" || T == "9021" ? 1 : 2);
  }
  bool bSemanal = vb::Left(cboSemana.Text(), 1) != "0" && EsTributoSemanal(T);
  bool bSinDesfase = e.sTipoDeuda == "3" || (e.sTipoDeuda == "1" && vb::Left(T, 1) == "6");
  int nMeses = MesesAntes(e.sFechaAcog, AnioMesDia(gsFechaVenc), bSemanal, bSinDesfase, bBueno);
  e.bCuota = !RegimenDeCuota(T).empty();
  if (e.bCuota) nMeses = 1;
  gsPeriodoLimite = RetrocedeMeses(static_cast<int>(vb::Val(vb::Left(gsPeriodo, 4))),
                                   static_cast<int>(vb::Val(vb::Right(gsPeriodo, 2))), nMeses);
  return ValidaPeriodoEnRango(e, gsPeriodoLimite, TipoDePeriodo(e));
}

// The tax's last period: PARAM's date, the latest period of a yearly or weekly
// tax, or FONCOMUN's 7151 by its payment type; 3034 is paid from March to
// November; the first period of the 40xx and 41xx taxes and of the instalment
// codes.
bool FrmNoNotificada::ValidaFechasDelTributo(Entrada& e) {
  const std::string& T = e.sTributo;
  e.sCodigo =
      ConvierteCodTributo(vb::Trim(vb::Left(cboTributo.List(cboTributo.ListIndex()), 6)), 1);
  e.sFechaFinal = vb::Trim(LeeParametro("725", std::string(e.sCodigo), 10, 82));
  if (EsTributoAnual(T))
    e.sFechaFinal = vb::Right(gsPeriodoLimite, 4) + "/" + vb::Left(gsPeriodoLimite, 2) + "/31";
  if (EsTributoSemanal(T)) e.sFechaFinal = gsPeriodoLimite;
  std::string sTipoPago = vb::Trim(vb::Left(cboTipoPago.Text(), 1));
  bool b7151 = T == "7151" && gnSemana == 8;
  if (b7151) {
    gsPeriodoLimite = Limite7151(sTipoPago, e.sFechaAcog, e.nAnioAcog);
    e.sFechaFinal = gsPeriodoLimite;
    if (!MesValido7151(e.sFechaFinal, e.sAnio, e.sMes))
      return Rechaza(kPeriodoNoValidoTributo, &mkePeriodo);
  }
  if (T == "3034" && EsUno(e.sMes, {"01", "02", "12"}))
    return Rechaza(
        "El periodo no es válido para el tributo seleccionado. Debería ser entre marzo y "
        "noviembre.",
        &mkePeriodo);
  std::string sSemana = vb::Trim(vb::Left(cboSemana.Text(), 1));
  if (b7151 && sTipoPago == "0" && !sSemana.empty() && sSemana != "1")
    return Rechaza("Tipo de pago seleccionado no corresponde al período registrado.", &mkePeriodo);
  std::string sFinal = AnioMes(e.sFechaFinal);
  if (!sFinal.empty() && AnioMes(e.sPeriodo) > sFinal)
    return Rechaza(kPeriodoNoValidoTributo, &mkePeriodo);
  if (EsUno(vb::Left(T, 2), {"40", "41"})) {
    if (!ValidaPrimerPeriodo(e)) return false;
    if (vb::Val(txtmtoTributo.Text()) <= 0)
      return RechazaConTitulo("El monto de tributo insoluto debe ser mayor a cero.");
  }
  return !e.bCuota || ValidaPrimerPeriodo(e);
}

bool FrmNoNotificada::ValidaPrimerPeriodo(const Entrada& e) {
  std::string sInicio = AnioMes(LeeParametro("725", std::string(e.sCodigo), 10, 71));
  if (!sInicio.empty() && AnioMes(e.sPeriodo) < sInicio)
    return Rechaza(kPeriodoNoValidoTributo, &mkePeriodo);
  return true;
}

}  // namespace korva
