#include "formulario/printing/ImpAnexos.h"

#include <array>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen01.h"
#include "formulario/printing/ImpCabeceras.h"
#include "formulario/printing/ImpDetalleAnexo.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/dao/dao.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kVacio = "NO EXISTE INFORMACIÓN A DECLARAR";
constexpr const char* kCantidad = "Cantidad total de registros  :";
constexpr int kXCuadro = 290;
constexpr int kXTexto = 300;
constexpr int kXMontos = 90;
constexpr int kAltoFila = 270;
constexpr int kAvance = 200;
// The running y before the first page's captions: the count box of an empty
// category stands 270 below it, at 2010.
constexpr int kYInicial = 1740;

// The page of each orientation: the lowest y of a debt line, the right edge of
// the boxes and the width about which the title is centred.
struct Orientacion {
  bool bHorizontal;
  int iLimite;
  int xDerecho;
  int iAnchoTitulo;
};
constexpr Orientacion kHorizontal{true, 9900, 16000, 15600};
constexpr Orientacion kVertical{false, 14500, 11000, 10300};

// The totals line of each category: where "Totales :" goes, the blanks before the
// amounts, the columns added into each total, the width of an amount's field,
// the blanks between two amounts and the patterns of a total and of a zero one.
struct Totales {
  const char* sCodigo;
  int xTotales;
  int iBlancos;
  std::array<const char*, 2> columnas;
  int iAncho;
  int iEntre;
  const char* sPatron;
  const char* sPatronCero;
};
constexpr const char* k18 = "###,###,###,##0.00";
constexpr const char* k18Cero = "###,###,###,###.##";
constexpr const char* k16 = "#,###,###,##0.00";
constexpr const char* k16Cero = "#,###,###,###.##";
constexpr Totales kTotales[] = {
    {"DN", 7800, 88, {"mto_act_s", "mto_act_c"}, 18, 9, k18, k18Cero},
    {"INF", 7800, 88, {"mto_act_s", "mto_act_c"}, 18, 9, k18, k18Cero},
    {"DJ", 7800, 85, {"mto_act_s", "mto_act_c"}, 18, 9, k18, k18Cero},
    {"ODV", 6320, 70, {"mto_tributo_c", "mto_act_c"}, 16, 1, k16, k16Cero},
    {"ODDJ", 5900, 65, {"mto_tributo_c", "mto_act_c"}, 16, 1, k16, k16Cero},
    {"ODINF", 6050, 68, {"mto_tributo_c", "mto_act_c"}, 16, 1, k16, k16Cero},
    {"DN_NA", 8000, 87, {"mto_act_s", nullptr}, 16, 0, k16, k16Cero},
};

const Totales* TotalesDe(const std::string& sCodigo) {
  for (const Totales& t : kTotales)
    if (sCodigo == t.sCodigo) return &t;
  return nullptr;
}

bool EsHorizontal(const std::string& sCodigo) {
  return sCodigo == "DN" || sCodigo == "DJ" || sCodigo == "INF";
}

// The declaration's key, and its correlative while a sent one is printed; the
// correlative's clause ends at its closing quote.
std::string Base(const std::string& sTabla) {
  std::string sBase = "SELECT * FROM " + sTabla + " ";
  sBase += "WHERE doc_id_d = " + vb::SqlText(gsRuc) + " ";
  sBase += "AND periodo = " + vb::SqlText(gsPeriodo) + " ";
  sBase += "AND Semana = " + std::to_string(gnSemana) + " ";
  if (giEnviadas != 0) sBase += " AND Correl = " + vb::SqlText(gsCorrel);
  return sBase;
}

constexpr const char* kVigentes = "AND ind_ver_deu in ( '00', '07', '08' ) ";

// The clauses that choose the category's debts, after the base.
std::string Categoria(const std::string& sTabla, const std::string& sCodigo, bool bAcogido) {
  if (sCodigo == "DN")
    return std::string("AND Ind_tip_deu = '01' ") + kVigentes +
           (bAcogido ? "AND ind_acog = 1 " : "AND ( ind_acog = 2 OR ind_acog is null ) ");
  if (sCodigo == "DJ") return std::string("AND Ind_tip_deu = '02' ") + kVigentes;
  if (sCodigo == "INF") return std::string("AND Ind_tip_deu = '03' ") + kVigentes;
  if (sCodigo == "ODV") return "AND Ind_tip_deu = '04' AND Ind_valor = 1 ";
  if (sCodigo == "ODDJ") return "AND Ind_tip_deu = '04' AND Ind_deuda_dj = 1 ";
  if (sCodigo == "ODINF") return "AND Ind_tip_deu = '04' AND Ind_valor <> 1 AND Ind_deuda_dj <> 1 ";
  if (sCodigo == "DN_NA")
    return " AND Ind_tip_deu IN ('01','02','03')  AND ind_ver_deu not in ( '0','00', '07', '08' ) ";
  if (sCodigo == "CF" || sCodigo == "GH")
    return " AND ind_tip_deu in ( '01', '05' ) AND ind_acog = 1 "
           "AND ind_ver_deu in ( '0','00', '07', '08' )  AND ind_acog = 1 UNION (" +
           Base(sTabla) + "AND ind_tip_deu in ( '02', '03' ) " +
           "AND ind_ver_deu in ( '00', '07', '08' ) AND ind_acog = 1)  UNION (" + Base(sTabla) +
           " AND ind_tip_deu = '04') ";
  return "";
}

// One annex being written: its page, running y, lines and totals.
class Anexo {
 public:
  Anexo(const std::string& sTitulo, const std::string& sCodigo)
      : o_(EsHorizontal(sCodigo) ? kHorizontal : kVertical),
        t_(TotalesDe(sCodigo)),
        sTitulo_(sTitulo),
        sCodigo_(sCodigo),
        sTabla_(giEnviadas != 0 ? "HF0942DEUDAS" : "F0942DEUDAS") {}

  void Imprime(bool bAcogido) {
    ArmaConsultaAnexo(sTabla_, sCodigo_, o_.bHorizontal && bAcogido);
    IniciaHoja(2010);
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
    if (!rs->Eof()) {
      ImprimeTitulos(2010);
      iPosY_ = 2350;
    }
    for (; !rs->Eof(); rs->MoveNext()) ImprimeDeuda(*rs);
    rs->Close();
    ImprimeCierre();
  }

 private:
  // A new page: its header block, then the title block down to `yInferior`
  // (2010 on the first page, 2040 on the others).
  void IniciaHoja(int yInferior) {
    if (o_.bHorizontal)
      ImprimeCabeceraHorizontal(iHoja_, iMargen_, sTitulo_);
    else
      ImprimeCabeceraVertical(iHoja_, iMargen_, sTitulo_);
    EscribeCuadro(kXCuadro, 1640, o_.xDerecho, yInferior, iHoja_);
    EscribePos(XTitulo(), 1680, sTitulo_, true, gnTamanoListado + 6, iHoja_);
  }

  // The title centred on the page's width, a half going to the even neighbour.
  int XTitulo() const {
    return vb::CLng(vb::Variant((o_.iAnchoTitulo - 135.0 * vb::Len(sTitulo_)) / 2 + 1));
  }

  void ImprimeTitulos(int y) {
    EscribeCuadro(kXCuadro, y, o_.xDerecho, y + 540, iHoja_);
    ImprimeTitulosColumnas(iHoja_, y, sTabla_, sCodigo_);
  }

  void ImprimeDeuda(dao::Recordset& rs) {
    iPosY_ += kAvance;
    if (iPosY_ >= o_.iLimite) {
      IniciaHoja(2040);
      ImprimeTitulos(2040);
      iPosY_ = 2580;
    }
    ImprimeDetalleAnexo(iHoja_, iPosY_, rs, sTabla_, sCodigo_);
    ++nFilas_;
    Suma(rs);
  }

  void Suma(dao::Recordset& rs) {
    if (!t_) return;
    for (std::size_t i = 0; i < t_->columnas.size(); ++i)
      if (t_->columnas[i]) totales_[i] += ConvierteMoneda(rs(t_->columnas[i]).Value());
  }

  // The count and totals go to a page of their own, with only the title block,
  // when they would stand within 1000 of the page's limit.
  void ImprimeCierre() {
    iPosY_ += kAltoFila;
    if (iPosY_ > o_.iLimite - 1000) {
      IniciaHoja(2040);
      iPosY_ = 2280;
    }
    if (nFilas_ == 0) return ImprimeVacio();
    EscribeCuadro(kXCuadro, iPosY_, o_.xDerecho, iPosY_ + kAltoFila, iHoja_);
    Texto(kXTexto, iPosY_ + 30, Cantidad());
    if (!t_) return;
    Texto(t_->xTotales, iPosY_ + 30, "Totales :");
    Texto(kXMontos, iPosY_ + 30, LineaTotales());
  }

  void ImprimeVacio() {
    int y = iPosY_;
    EscribeCuadro(kXCuadro, y, o_.xDerecho, y + kAltoFila, iHoja_);
    Texto(kXTexto, y, Cantidad());
    EscribeCuadro(kXCuadro, y + 540, o_.xDerecho, y + 810, iHoja_);
    Texto(kXTexto, y + 540, sTitulo_, true);
    Texto(kXTexto, y + 810, kVacio);
  }

  // The label and the count with the blank of its sign: "... : 12".
  std::string Cantidad() const { return kCantidad + vb::Str(static_cast<double>(nFilas_)); }

  std::string LineaTotales() const {
    std::string sLinea = vb::Space(t_->iBlancos);
    for (std::size_t i = 0; i < t_->columnas.size(); ++i) {
      if (!t_->columnas[i]) continue;
      if (i > 0) sLinea += vb::Space(t_->iEntre);
      const char* sPatron = totales_[i] == vb::Currency() ? t_->sPatronCero : t_->sPatron;
      sLinea +=
          gUtil.RellenaIzquierda(vb::Format(vb::Variant(totales_[i]), sPatron), t_->iAncho, " ");
    }
    return sLinea;
  }

  void Texto(int x, int y, const std::string& sTexto, bool bNegrita = false) {
    EscribePos(x, y, sTexto, bNegrita, gnTamanoListado, iHoja_);
  }

  const Orientacion& o_;
  const Totales* t_;
  std::string sTitulo_;
  std::string sCodigo_;
  std::string sTabla_;
  int iHoja_ = 0;
  int iMargen_ = 0;
  int iPosY_ = kYInicial;
  long nFilas_ = 0;
  std::array<vb::Currency, 2> totales_{};
};

}  // namespace

void ImprimeAnexo(const std::string& /*sTabla*/, const std::string& sTitulo,
                  const std::string& sCodigo, bool bAcogido) {
  gnTamanoListado = 8;
  MemoriaDescripciones memoria;
  Anexo(sTitulo, sCodigo).Imprime(bAcogido);
}

void ArmaConsultaAnexo(const std::string& sTabla, const std::string& sCodigo, bool bAcogido) {
  gsSQL = Base(sTabla) + Categoria(sTabla, sCodigo, bAcogido) + " ORDER BY per_doc DESC, cod_tri ";
}

}  // namespace korva
