// The middle of the check of an entry: the form's year for a natural person's
// income, a debt already registered as a reported valor, the document number
// of a valor or an infraction, and the sworn declaration: its answer, form,
// order number and a debt already registered with it. The two lookups of the
// debts already registered and of a tax's sworn-declaration flag belong here.
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/modGen02.h"
#include "formulario/non_notified_debts/FrmNoNotificada.h"
#include "formulario/non_notified_debts/ReglasTributo.h"
#include "formulario/non_notified_debts/ReglasValidacion.h"
#include "platform/dao/dao.h"
#include "platform/vb/conv.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kTabla = "TMP_F0942DEUDAS";

}  // namespace

bool FrmNoNotificada::ValidaAnioYValores(const Entrada& e) {
  if (EsUno(e.sTributo, {"3071", "3081", "3072", "3073", "3074"})) {
    std::string sAnioFormulario =
        LeeParametroPorTributo("728", e.sCodigo, 4, 8, vb::Left(txtcodform.Text(), 4));
    if (!sAnioFormulario.empty() && e.sAnio < sAnioFormulario)
      return Rechaza("El periodo no es válido para el tributo seleccionado", &mkePeriodo);
  }
  if (Existe_Deuda(kTabla, "VALORES"))
    return RechazaConTitulo("El valor ya se encuentra registrado en la opción valores",
                            &mkePeriodo);
  if (e.sTipoDeuda == "2" && !OptRespDDJJ(1).Value() && !OptRespDDJJ(0).Value())
    return Rechaza("Debe seleccionar si tiene deuda con declaración jurada", nullptr);
  bool bSinComunicacion =
      vb::Trim(vb::Left(cboDocumento.Text(), 2)).empty() || vb::Trim(txtDocumento.Text()).empty();
  if (e.sTipoDeuda == "3" && !CboTributoAsociado.Enabled() && txtDocumento.Enabled() &&
      bSinComunicacion &&
      !Confirma("No ha ingresado número de comunicación de infracción, desea continuar?"))
    return false;
  return true;
}

// A valor names its document type and a number of the shape that type takes,
// not already held by another valor.
bool FrmNoNotificada::ValidaDocumentoValor() {
  if (cboDocumento.ListIndex() == -1)
    return Rechaza("Debe seleccionar un tipo de documento", &cboDocumento);
  std::string N = txtNumDocumento.Text();
  if (vb::Trim(N).empty())
    return RechazaConTitulo("Debe ingresar un Nº de documento válido para el tributo seleccionado.",
                            &txtNumDocumento);
  if (!NumeroValorValido(N, vb::Mid(cboDocumento.Text(), 3, 1)))
    return RechazaConTitulo("Tipo de resolución no valido.", &txtNumDocumento);
  if (NumeroRegistrado("(ind_tip_deu='01' OR ind_tip_deu='04')"))
    return RechazaConTitulo(
        "El número de resolución que quiere actualizar ya se encuentra registrado.",
        &txtNumDocumento);
  return true;
}

// An infraction may go without its document type or number once the user
// agrees; a notice of 13 or 14 characters must carry its series, one of any
// other length is stored blank once the user agrees.
bool FrmNoNotificada::ValidaDocumentoInfraccion() {
  std::string N = txtNumDocumento.Text();
  long nLargo = vb::Len(N);
  if (cboDocumento.ListIndex() == -1) {
    if (!Confirma("No ha ingresado tipo de resolución. ¿Desea continuar?")) return false;
  } else if (vb::Trim(N).empty()) {
    if (!Confirma("No ha ingresado número de resolución o comunicación de infracción. ¿Desea "
                  "continuar?"))
      return false;
  } else if (nLargo == 13 || nLargo == 14) {
    if (!EstructuraInfraccionValida(N))
      return RechazaConTitulo(
          "Error en el Nº de documento. La CI debe tener la siguiente estructura: XXX010XXXXXXXX "
          "o XXX919XXXXXXX",
          &txtNumDocumento);
  } else if ((N != "0" && nLargo < 13) || nLargo > 14) {
    if (!Confirma("La comunicación de infracción debe ser de 13 o 14 caracteres. Se grabará en "
                  "blanco ¿Desea continuar?"))
      return false;
    txtNumDocumento.SetText("");
  }
  N = txtNumDocumento.Text();
  if (!vb::Trim(N).empty() && N != "0" &&
      NumeroRegistrado("(ind_tip_deu='03' OR ind_tip_deu='04')"))
    return RechazaConTitulo(
        "El número de comunicación que quiere actualizar ya se encuentra registrado.",
        &txtNumDocumento);
  return true;
}

// Another row holds the number: any row for a new entry; beside the row being
// edited, a second one.
bool FrmNoNotificada::NumeroRegistrado(const std::string& sCategorias) {
  gsSQL = std::string("SELECT count(*) as nCont FROM TMP_F0942DEUDAS ") +
          "WHERE num_doc=" + vb::SqlText(vb::Trim(txtNumDocumento.Text())) + " AND " + sCategorias;
  return CuentaFilas(gsSQL) > (ModoNuevo() ? 0 : 1);
}

// A self-assessed debt answered "No" needs a tax that requires a sworn
// declaration and that the entity admits without one.
bool FrmNoNotificada::ValidaRespuestaDeclaracion(const Entrada& e) {
  if (e.sTipoDeuda != "2" || OptRespDDJJ(1).Value()) return true;
  if (Tributo_Req_DDJJ(e.sCodigo) && AdmiteSinDeclaracion(gnSemana, e.sTributo)) return true;
  return RechazaConTitulo("Debe indicar que tiene deuda con declaración jurada", &OptRespDDJJ(1));
}

// The sworn declaration's form and order number. FONCOMUN's declarations up
// to 2004 and its 7011, and TESORO's 3037, may have none: form "0000".
bool FrmNoNotificada::ValidaDeclaracionJurada(const Entrada& e) {
  const std::string& T = e.sTributo;
  std::string F = vb::Trim(txtcodform.Text());
  bool bExento = gnSemana == 8 ? e.sAnio <= "2004" || T == "7011" : gnSemana == 1 && T == "3037";
  if (!bExento && (F.empty() || vb::Val(F) == 0))
    return RechazaConTitulo("Debe ingresar un formulario válido para el tributo seleccionado.",
                            &txtcodform);
  if (!(bExento && F == "0000")) {
    if (!VerificaFormularioTributo(e.sCodigo, F, ""))
      return RechazaConTitulo(
          "Se ha detectado que el formulario no es válido para el tributo seleccionado. Rectifique",
          &txtcodform);
    bool bPorPeriodo = gnSemana != 8 && !(gnSemana == 1 && T == "3037") &&
                       ((e.sTipoDeuda == "2" && e.sMes == "13" && T == "3071") ||
                        EsUno(T, {"3072", "3073", "3074"}));
    if (bPorPeriodo && !VerificaFormularioTributo(e.sCodigo, F, e.sAnio))
      return RechazaConTitulo(
          "Se ha detectado que el formulario no es válido para el periodo seleccionado. Rectifique",
          &txtcodform);
    std::string O = vb::Trim(txtNumOrd.Text());
    if (O.empty() || vb::Val(O) == 0)
      return RechazaConTitulo("Debe ingresar un número de orden válido.", &txtNumOrd);
  }
  if (Existe_Deuda(kTabla, "DJ"))
    return RechazaConTitulo(
        "El valor ya se encuentra registrado en la opción Deudas autoliquidadas con Declaración "
        "Jurada",
        &mkePeriodo);
  return true;
}

bool FrmNoNotificada::Existe_Deuda(const std::string& /*sTabla*/, const std::string& sOpcion) {
  std::string P = mkePeriodo.Text();
  std::string sPeriodo = vb::Right(P, 4) + vb::Left(P, 2);
  std::string sCodigo = ConvierteCodTributo(vb::Left(Elegido(cboTributo), 4), 1);
  gsSQL = std::string("SELECT * FROM TMP_F0942DEUDAS ") + "WHERE doc_id_d = " + vb::SqlText(msRuc) +
          " " + "AND Semana = " + std::to_string(gnSemana) + " ";
  if (sOpcion == "VALORES") {
    gsSQL += std::string("AND Ind_tip_deu = '01' ") + "AND per_doc = " + vb::SqlText(sPeriodo) +
             " " + "AND cod_tri = " + vb::SqlText(sCodigo) + " " + "AND num_doc = trim(" +
             vb::SqlText(txtNumDocumento.Text()) + ") " + "AND cod_for = '0' " +
             "AND Left(cod_tip_doc,3) = " + vb::SqlText(vb::Left(Elegido(cboDocumento), 3)) + " ";
  } else if (sOpcion == "DJ") {
    gsSQL += std::string("AND Ind_tip_deu = '02' ") + "AND per_doc = " + vb::SqlText(sPeriodo) +
             " " + "AND cod_tri = " + vb::SqlText(sCodigo) + " " +
             "AND num_doc = " + vb::SqlText(txtNumOrd.Text()) + " " +
             "AND cod_for = " + vb::SqlText(txtcodform.Text()) + " ";
  }
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenDynaset);
  bool bExiste = !(rs->Bof() || rs->Eof());
  rs->Close();
  return bExiste;
}

bool FrmNoNotificada::Tributo_Req_DDJJ(const std::string& sCodTributo) {
  return LeeParametro("725", std::string(sCodTributo), 1, 59) == "1";
}

}  // namespace korva
