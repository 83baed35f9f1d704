#pragma once
// The request form with its payment mode and debts set up for validating and storing.
#include <string>
#include <utility>
#include <vector>

#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/request/FrmConsist.h"
#include "formulario/request/tests/prueba_solicitud.h"
#include "platform/vb/encoding.h"
#include "platform/vb/files.h"

namespace korva::prueba {

using Casillas = std::vector<std::pair<int, std::string>>;
using Lineas = std::vector<std::string>;

inline constexpr const char* kSinInconsistencias =
    "La información de la declaración no presenta inconsistencias.";
inline constexpr const char* kSinResponder =
    "Debe pronunciarse sobre todas las deudas informadas por TELVO en los rubros valores o deudas "
    "autoliquidadas.";
inline constexpr const char* kSinCuotaInicial = "Casilla  535: Debe ingresar la cuota de acogimiento.";
inline const forms::MessageBoxCall kGrabada{
    "Toda la información de la declaración fue grabada satisfactoriamente.", forms::vbExclamation,
    kTitulo};

// One working debt row with the columns the validation reads.
struct Fila {
  std::string tipo = "01";
  std::string tipoDoc = "001000";
  std::string acoge = "1";
  std::string conforme = "1";
  std::string impugnado = "00";
  std::string orden = "Null";
  std::string tributo = "010101";
  std::string periodoDoc = "201001";
  std::string codForDj = "'0621'";
  std::string montoC = "'100.00'";
};

class PruebaValidacion : public PruebaSolicitud {
 protected:
  // Writes boxes as code does, with the payment mode's recalculation held off,
  // so that each box keeps exactly the text given.
  static void Llena(Frm942& frm, const Casillas& casillas) {
    bool bCargado = gbFormCargado;
    gbFormCargado = false;
    for (const auto& [nCasilla, sTexto] : casillas) frm.txtValor(nCasilla).SetText(sTexto);
    gbFormCargado = bCargado;
  }

  // Entity 1's boxes with nothing to report for a taxpayer who is not a good
  // one, UIT 3,600: a debt of 10,000 in 12 instalments of 1,000, no guarantee,
  // an initial payment of 600 (the minimum is 0 up to 3 UIT).
  static void PagoSinHallazgos(Frm942& frm) {
    Llena(frm, {{500, "10,000"}, {501, "0"}, {502, ""}, {503, "12"}, {504, "1,000"}, {506, "NO"},
                {535, "600"}});
  }

  // The telephone, today's date and a payment mode without findings, written
  // as code writes them.
  static void Completa(Frm942& frm) {
    frm.txtTelefono.SetText("4567890");
    frm.mkeFechaAcog.SetText(kHoy);
    PagoSinHallazgos(frm);
  }

  // The working debts of the open declaration replaced by `filas` (numbered
  // 1, 2, ... in their order), and grids 1 and 3 reloaded.
  void Deudas(Frm942& frm, const std::vector<Fila>& filas) {
    Ejecuta("DELETE FROM TMP_F0942DEUDAS");
    int n = 0;
    for (const Fila& f : filas)
      Ejecuta("INSERT INTO TMP_F0942DEUDAS (tip_doc_d, doc_id_d, periodo, formulario, semana, "
              "Ind_tip_deu, per_doc, cod_tri, Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso, "
              "Ind_ver_deu, Fec_des_deu, ind_acog, ind_conf, mto_act_c, Ind_impugnado, Num_ord_dj, "
              "Cod_for_dj) VALUES (" + Clave({kRucAndina, "201005", 1}) + ", " +
              vb::SqlText(f.tipo) + ", " + vb::SqlText(f.periodoDoc) + ", " +
              vb::SqlText(f.tributo) + ", '" + std::to_string(++n) + "', '0621', " +
              vb::SqlText(f.tipoDoc) + ", '000000', '00', #05/15/2010 08:00:00#, " + f.acoge +
              ", " + f.conforme + ", " + f.montoC + ", " + vb::SqlText(f.impugnado) + ", " +
              f.orden + ", " + f.codForDj + ")");
    frm.CargaTabIndex(1);
    frm.CargaTabIndex(3);
  }

  // ValidaTodo in report mode into the suite's Mens.txt, as "&Validar" opens it.
  // Findings: the file holds exactly those lines (Windows-1252, CR LF), the
  // result is False and the viewer shows the file; none: the empty file, the
  // result True and the message instead of the viewer.
  void Valida(Frm942& frm, const Lineas& esperadas) {
    gsArchivoReporte = gsSysPath + "Mens.txt";
    frm.nArchivoReporte = vb::FreeFile();
    vb::Open(gsArchivoReporte, vb::OpenMode::Output, frm.nArchivoReporte);
    std::string sVisor = "(sin visor)";
    driver_.OnModal<FrmConsist>([&](FrmConsist& visor) {
      sVisor = visor.TxtPreliminar.Text();
      driver_.Click(visor.CmdGrabar);
    });
    if (esperadas.empty()) driver_.Expect({kSinInconsistencias, forms::vbExclamation, kTitulo});
    std::uint8_t nModo = 0;
    EXPECT_EQ(frm.ValidaTodo(nModo), esperadas.empty());
    EXPECT_EQ(giInconsistencia, esperadas.empty() ? 0 : 1);
    std::string sReporte;
    for (const std::string& linea : esperadas) sReporte += linea + "\r\n";
    EXPECT_EQ(ReadBytes(gsArchivoReporte), vb::ToCp1252(sReporte));
    EXPECT_EQ(sVisor, esperadas.empty() ? "(sin visor)" : sReporte);
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
  }
};

}  // namespace korva::prueba
