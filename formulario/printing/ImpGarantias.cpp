#include "formulario/printing/ImpGarantias.h"

#include <cstdint>
#include <vector>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen01.h"
#include "formulario/printing/ImpAnexos.h"
#include "formulario/printing/ImpCabeceras.h"
#include "formulario/printing/ImpDeclaracion.h"
#include "formulario/printing/ImpDetalleAnexo.h"
#include "formulario/printing/frmImprimir.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/dao/dao.h"
#include "platform/forms/instance.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr int kColTipDoc = 0;
constexpr int kColRuc = 2;
constexpr int kXCuadro = 290;
constexpr int kXDerecho = 12100;
// The frame of the title of a report without debts reaches the landscape
// pages' edge, beyond the portrait page.
constexpr int kXDerechoVacio = 16000;
constexpr int kXTexto = 300;
constexpr int kAltoFila = 270;
constexpr int kLimite = 9900;

const std::vector<std::string> kCierreCartaFianza = {
    "La carta fianza se debe entregar dentro de los diez (10) días hábiles siguientes de "
    "presentada la solicitud ",
    "de acogimiento, en los lugares establecidos en el numeral 6.2 del artículo 2° del Reglamento "
    "de Aplazamiento ",
    "y/o Fraccionamiento del Art. 36° del Código Tributario. ",
};

const std::vector<std::string> kCierreHipoteca = {
    "La documentación sustentatoria de la Hipoteca se debe presentar dentro de los diez (10) días "
    "hábiles",
    "siguientes de presentada la solicitud de acogimiento, en los lugares establecidos en el "
    "numeral 6.2 ",
    "del artículo 2° del Reglamento de Aplazamiento y/o Fraccionamiento del Art. 36° del Código "
    "Tributario.",
    "Se debe adjuntar:",
    "a)  Copia literal de dominio del bien o bienes a hipotecar o hipotecados, certificado de "
    "gravamen del bien ",
    "    hipotecado, así como aquella información necesaria para su debida identificación.",
    "b)  Tasación arancelaria o comercial efectuada por el Cuerpo Técnico de Tasaciones.",
    "c)  Fotocopia simple del poder o poderes correspondientes a la persona o personas "
    "autorizadas a hipotecar ",
    "    el bien o bienes, cuando corresponda.",
};

// The amount line of a report whose debts total nothing.
std::string TextoImporteCero() {
  return vb::Space(53) +
         gUtil.RellenaIzquierda(vb::Format(vb::Variant("0"), "######,##0.00"), 14, " ");
}

// A column's text, trimmed; one without a value reads as "".
std::string Recortado(dao::Recordset& rs, const char* sColumna) {
  vb::Variant valor = rs(sColumna).Value();
  return valor.IsNull() ? "" : vb::Trim(vb::CStr(valor));
}

std::string MontoOCero(const std::string& sMonto) { return sMonto.empty() ? "0" : sMonto; }

// One guarantee report being written: its page, running y, lines and total.
class Garantia {
 public:
  Garantia(const std::string& sTabla, const std::string& sTitulo, const std::string& sCodigo)
      : sTabla_(sTabla), sTitulo_(sTitulo), sCodigo_(sCodigo), bCarta_(sCodigo == "CF") {}

  void Imprime(bool bAcogido) {
    ArmaConsultaAnexo(giEnviadas != 0 ? "HF0942DEUDAS" : "F0942DEUDAS", sCodigo_, bAcogido);
    iPosY_ = 1620;
    ImprimeCabeceraGarantia(iHoja_, 0, sCodigo_);
    iPosY_ += 120;
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
    if (!rs->Eof()) ImprimeTitulosPrimeraHoja();
    for (; !rs->Eof(); rs->MoveNext()) ImprimeDeuda(*rs);
    rs->Close();
    iPosY_ += kAltoFila;
    if (iPosY_ > kLimite - 1000) {
      ImprimeCabeceraGarantia(iHoja_, 0, sCodigo_);
      iPosY_ = 2280;
    }
    if (nFilas_ == 0) return ImprimeVacio();
    ImprimeCierre();
  }

 private:
  void ImprimeTitulosPrimeraHoja() {
    iPosY_ += 540;
    if (iPosY_ + 610 >= kLimite) return;
    iPosY_ += kAltoFila;
    ImprimeTitulos();
    iPosY_ += 70;
  }

  // The frame of the caption lines at the running y, and the lines in it.
  void ImprimeTitulos() {
    EscribeCuadro(kXCuadro, iPosY_, kXDerecho, iPosY_ + 540, iHoja_);
    ImprimeTitulosColumnas(iHoja_, iPosY_, sTabla_, sCodigo_);
  }

  void ImprimeDeuda(dao::Recordset& rs) {
    iPosY_ += 200;
    if (iPosY_ >= kLimite) {
      ImprimeCabeceraGarantia(iHoja_, 0, sCodigo_);
      iPosY_ = 2740;
      ImprimeTitulos();
      iPosY_ += kAltoFila;
    }
    ImprimeDetalleAnexo(iHoja_, iPosY_, rs, sTabla_, sCodigo_);
    ++nFilas_;
    total_ += ConvierteMoneda(rs("mto_act_c").Value());
  }

  void ImprimeVacio() {
    iPosY_ += kAltoFila;
    EscribeCuadro(kXCuadro, iPosY_, kXDerechoVacio, iPosY_ + kAltoFila, iHoja_);
    Texto(kXTexto, iPosY_, sTitulo_, true);
    iPosY_ += kAltoFila;
    Texto(kXTexto, iPosY_, "NO EXISTE INFORMACIÓN A DECLARAR");
  }

  // The total, the guarantee amount and what the taxpayer must hand in. The
  // guarantee row is read only for a total that is not zero.
  void ImprimeCierre() {
    int y = iPosY_;
    EscribeCuadro(kXCuadro, y, kXDerecho, y + 540, iHoja_);
    std::string sImporte = TextoImporteCero();
    if (total_ != vb::Currency()) {
      LeeDatosGarantia();
      const Bloque& bloque = BloqueDeEntidad(gnSemana);
      sImporte = TextoImporteGarantia(total_, gsCasillas[CasillaDe(bloque, Renglon::FormaPago)],
                                      gsCasillas[bloque.cuota], bCarta_ ? 1.05 : 1.4);
    }
    Texto(6800, y + 30, "Total   :");
    Texto(4260, y, TextoTotalGarantia(total_));
    Texto(6800, y + 300, bCarta_ ? "Importe de la Carta Fianza:" : "Importe de la Hipoteca:");
    Texto(4630, y + 270, sImporte);
    const std::vector<std::string>& cierre = bCarta_ ? kCierreCartaFianza : kCierreHipoteca;
    for (std::size_t i = 0; i < cierre.size(); ++i)
      Texto(kXTexto, y + 570 + kAltoFila * static_cast<int>(i), cierre[i]);
  }

  void Texto(int x, int y, const std::string& sTexto, bool bNegrita = false) {
    EscribePos(x, y, sTexto, bNegrita, gnTamanoListado, iHoja_);
  }

  std::string sTabla_;
  std::string sTitulo_;
  std::string sCodigo_;
  bool bCarta_;
  int iHoja_ = 0;
  int iPosY_ = 0;
  long nFilas_ = 0;
  vb::Currency total_;
};

}  // namespace

void ImprimeGarantia(const std::string& sTabla, const std::string& sTitulo,
                     const std::string& sCodigo, bool bAcogido) {
  gnTamanoListado = 8;
  MemoriaDescripciones memoria;
  Garantia(sTabla, sTitulo, sCodigo).Imprime(bAcogido);
}

void LeeDatosGarantia() {
  forms::DataGrid& grid = forms::Instance<frmImprimir>().grdImprimir;
  std::uint8_t iTipDoc = vb::CByte(grid.Columns(kColTipDoc).Value());
  std::string sDocId = grid.Columns(kColRuc).Text();
  gsSQL = "SELECT * FROM F0942GARANTIA ";
  gsSQL += "WHERE tip_doc_d = " + std::to_string(iTipDoc) + " ";
  gsSQL += "AND doc_id_d = " + vb::SqlText(sDocId) + " ";
  gsSQL += "AND periodo = " + vb::SqlText(gsPeriodo) + " ";
  gsSQL += std::string("AND formulario = '") + "0942" + "' ";
  gsSQL += "AND Semana = " + std::to_string(gnSemana);
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  if (!rs->Eof()) {
    gsIndGarantia = Recortado(*rs, "ind_garantia");
    gsIndPersona = Recortado(*rs, "ind_persona");
    gsMtoDeuda = MontoOCero(Recortado(*rs, "mto_deuda"));
    gsMtoDeudaGarantia = MontoOCero(Recortado(*rs, "mto_deuda_garantia"));
  }
  rs->Close();
}

std::string TextoTotalGarantia(vb::Currency total) {
  const char* sPatron = total == vb::Currency() ? "###,###,###,###.##" : "###,###,###,##0.00";
  return vb::Space(53) + gUtil.RellenaIzquierda(vb::Format(vb::Variant(total), sPatron), 18, " ");
}

std::string TextoImporteGarantia(vb::Currency total, const std::string& sFormaPago,
                                 const std::string& sCuotaInicial, double dFactor) {
  vb::Currency base = sFormaPago == "2" ? total : total - ConvierteMoneda(sCuotaInicial);
  double dImporte = base.ToDouble() * dFactor;
  return vb::Space(50) +
         gUtil.RellenaIzquierda(vb::Format(vb::Variant(dImporte), "######,##0"), 14, " ") + ".00";
}

}  // namespace korva
