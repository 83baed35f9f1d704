#pragma once
#include <functional>
#include <string>
#include <vector>

#include "formulario/core/Globales.h"
#include "formulario/reported_debts/RegistroDeudasNotificadas.h"
#include "formulario/reported_debts/frmCondeuDet.h"
#include "formulario/reported_debts/frmSustento.h"
#include "formulario/request/tests/prueba_solicitud.h"
#include "tools/debtfile/debt_line.h"

namespace korva::prueba {

// Fields of a line of the debt file that the tests vary.
namespace campo {
inline constexpr int kNumeroDoc = 1;
inline constexpr int kFormulario = 2;
inline constexpr int kCuotas = 3;
inline constexpr int kPeriodo = 4;
inline constexpr int kTributo = 5;
inline constexpr int kTributoInsoluto = 7;
inline constexpr int kInteres = 8;
inline constexpr int kInteresCapitalizado = 9;
inline constexpr int kTotal = 10;
inline constexpr int kTipoDoc = 11;
inline constexpr int kTributoAsociado = 12;
inline constexpr int kEstado = 14;
inline constexpr int kImpugnado = 17;
inline constexpr int kCuotasAlternas = 20;
inline constexpr int kOrdenDj = 21;
}  // namespace campo

// A line's tax, period, state and appeal code.
inline std::function<void(debtfile::Fields&)> Con(const std::string& tributo,
                                                  const std::string& periodo,
                                                  const std::string& estado = "00",
                                                  const std::string& impugnado = "00") {
  return [=](debtfile::Fields& f) {
    f[campo::kTributo] = tributo;
    f[campo::kPeriodo] = periodo;
    f[campo::kEstado] = estado;
    f[campo::kImpugnado] = impugnado;
  };
}

// The reported-debt window over the request form: debts come from a debt file
// generated from lines the test shapes, imported through the import window, and
// the window is opened on one of them from the request form's grid.
class PruebaDeudas : public PruebaSolicitud {
 protected:
  void SetUp() override {
    PruebaSolicitud::SetUp();
    RegistraDeudasNotificadas();
  }

  // A line of category "01", "02" or "03" numbered `numero` (its document
  // number), with the tax, state and amounts the test gives it afterwards.
  debtfile::Fields Linea(const std::string& categoria, const std::string& numero,
                         const std::function<void(debtfile::Fields&)>& ajusta = {}) {
    debtfile::Fields f = debtfile::SampleDebt({generado_, false, 1}, categoria, ++secuencia_);
    f[campo::kNumeroDoc] = numero;
    f[campo::kCuotasAlternas] = "0";
    if (ajusta) ajusta(f);
    return f;
  }

  // The debt file of these lines, generated at `generado_` (today, 08:00),
  // imported for the first taxpayer and TESORO.
  void ImportaLineas(const std::vector<debtfile::Fields>& lineas) {
    std::vector<std::string> textos;
    for (const debtfile::Fields& f : lineas) textos.push_back(debtfile::LineText(f));
    ImportaArchivo(debtfile::WriteDebtFile(carpeta_ / "archivos", kRucAndina, 1, textos));
  }

  // Opens the declaration, goes to grid `nGrilla`, picks the row of document
  // `numero` and opens the detail window through the registry as the grid's
  // edit button does; `durante` runs on the window, which is then closed with
  // "&Salir" if it is still open. `antes` may change the request form first
  // (its acceptance date).
  void AbreDetalle(int nGrilla, const std::string& numero,
                   const std::function<void(frmCondeuDet&)>& durante,
                   const std::function<void(Frm942&)>& antes = {}) {
    driver_.OnModal<frmCondeuDet>([this, durante](frmCondeuDet& det) {
      durante(det);
      if (det.IsLoaded() && det.Visible()) driver_.Click(det.cmdOpcion(1));
    });
    Abre(kRucAndina, [&](Frm942& frm) {
      driver_.Type(frm.txtTelefono, "4567890");
      driver_.Type(frm.mkeFechaAcog, vb::Format(vb::Variant(generado_), "ddmmyyyy"));
      driver_.ChooseTab(frm.SSTab1, nGrilla);
      forms::DataGrid& grid = frm.TDBGrid(nGrilla);
      for (long fila = 0; fila < grid.RowCount(); ++fila)
        if (grid.CellText(fila, 3) == numero) driver_.PickRow(grid, fila);
      ASSERT_EQ(vb::CStr(grid.Columns("num_doc").Value()), numero);
      if (antes) antes(frm);
      giIndexGrid = nGrilla;
      EXPECT_TRUE(MuestraVentana(Ventana::frmCondeuDet));
    });
  }

  // Ticks a motive and hands its supporting data back through the dialog,
  // which `llena` fills before "&Aceptar".
  void DaSustento(frmCondeuDet& det, int motivo, const std::function<void(frmSustento&)>& llena) {
    driver_.OnModal<frmSustento>([this, llena](frmSustento& s) {
      llena(s);
      driver_.Expect({"Se actualizó la información correctamente", forms::vbInformation, "Sustento"});
      driver_.Click(s.cmdSustento(0));
    });
    driver_.Click(det.chkmotivo(motivo));
    driver_.Click(det.cmdMotivo(motivo));
  }

  // Opens the detail window on debt `numero`, answers it included and not
  // agreed, ticks motive `motivo` and opens its dialog: `durante` runs on the
  // dialog, which is left with "&Salir" if it is still open; `despues` then
  // runs on the detail window. `antes` may prepare the detail window first.
  void Sustento(const std::string& numero, int motivo,
                const std::function<void(frmSustento&)>& durante,
                const std::function<void(frmCondeuDet&)>& despues = {},
                const std::function<void(frmCondeuDet&)>& antes = {}) {
    driver_.OnModal<frmSustento>([this, durante](frmSustento& s) {
      durante(s);
      if (s.IsLoaded() && s.Visible()) driver_.Click(s.cmdSustento(1));
    });
    AbreDetalle(1, numero, [&](frmCondeuDet& det) {
      driver_.Click(det.optAcogeFrac(0));
      driver_.Click(det.optConformeMto(1));
      if (antes) antes(det);
      driver_.Click(det.chkmotivo(motivo));
      driver_.Click(det.cmdMotivo(motivo));
      if (despues) despues(det);
    });
  }

  // The texts of the boxes, in the order tributo, capitalised interest,
  // interest, accepted total.
  static std::vector<std::string> Montos(const frmCondeuDet& det) {
    return {det.txtmtoTributo.Text(), det.lblMtoInteresCAP.Text(), det.lblMtoInteres.Text(),
            det.lblMtoAcogido.Text()};
  }

  // Which of the motives 1 to 6 are enabled, as "1"/"0" from motive 1 on.
  static std::string MotivosHabilitados(frmCondeuDet& det) {
    std::string habilitados;
    for (int i = 1; i <= 6; ++i) habilitados += det.chkmotivo(i).Enabled() ? '1' : '0';
    return habilitados;
  }

  vb::Date generado_ = Momento(2010, 5, 15, 8);
  int secuencia_ = 0;
};

}  // namespace korva::prueba
