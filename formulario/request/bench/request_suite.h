#pragma once
// What the request form's benchmarks share: a suite with a declaration of
// generated debts imported, and the form opened on it in the states the
// benchmarks start from.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/windows/FrmContAbrir.h"
#include "formulario/printing/spool/GlobalesImpresion.h"
#include "formulario/import/bench/import_suite.h"
#include "formulario/request/Calculos.h"
#include "formulario/request/Frm942.h"
#include "platform/forms/forms.h"
#include "platform/vb/date.h"
#include "platform/vb/format.h"

namespace requestbench {

// The suite with its declaration imported, and the chooser of pending
// declarations on its row.
class Suite : public importbench::Suite {
 public:
  explicit Suite(int deudas) : importbench::Suite(deudas) {
    if (!Import()) throw std::runtime_error("the import did not finish");
    forms::Release<korva::FrmImportar>();
    korva::giModo = 1;
    forms::Instance<korva::FrmContAbrir>();
  }

  // Opens the form and reads grid 1's first screen; false when it did not load.
  bool Abre() {
    korva::Frm942& frm = forms::Instance<korva::Frm942>();
    forms::DataGrid& grilla = frm.TDBGrid(1);
    long filas = std::min<long>(grilla.RowCount(), grilla.VisibleRows());
    for (long fila = 0; fila < filas; ++fila)
      for (int col = 0; col < 6; ++col) benchmark::DoNotOptimize(grilla.CellText(fila, col));
    return frm.bCargaCompleta;
  }
  void Cierra() { forms::Release<korva::Frm942>(); }

  // The open form with every debt included and agreed, as "Acoger todas" leaves
  // them, an acceptance date 31 days after the debt file's and its rate.
  korva::Frm942& AbreAcogida() {
    korva::Frm942& frm = forms::Instance<korva::Frm942>();
    korva::gDB->Execute("UPDATE TMP_F0942DEUDAS SET ind_ver_deu = '00', ind_acog = 1, ind_conf = 1, "
                        "mto_tributo_c = mto_tributo_s, mto_int_cap_c = mto_int_cap_s, "
                        "mto_int_c = mto_int_s, mto_act_c = mto_act_s");
    vb::Date descarga = korva::ObtieneFechaDescarga();
    frm.mkeFechaAcog.SetText(vb::Format(vb::Variant(vb::Date{descarga.serial + 31}), "dd/mm/yyyy"));
    // The ordinary case, whatever month the suite was made in.
    if (korva::EsCierreAnual(korva::gsPeriodo, frm.mkeFechaAcog.Text()))
      frm.mkeFechaAcog.SetText(vb::Format(vb::Variant(vb::Date{descarga.serial + 62}), "dd/mm/yyyy"));
    frm.Obtiene_TIM(vb::Format(frm.mkeFechaAcog.Text(), "YYYYMM"));
    return frm;
  }

  // The open form with every debt answered and a payment mode without findings:
  // the whole debt in 36 instalments, its initial payment well above the minimum.
  korva::Frm942& Responde() {
    korva::Frm942& frm = forms::Instance<korva::Frm942>();
    korva::gDB->Execute("UPDATE TMP_F0942DEUDAS SET ind_acog = 1, ind_conf = 1");
    frm.txtTelefono.SetText("4567890");
    frm.mkeFechaAcog.SetText(vb::Format(vb::Variant(vb::Today()), "dd/mm/yyyy"));
    korva::gbFormCargado = false;
    for (auto [nCasilla, sTexto] : {std::pair{500, "900,000,000"}, {501, "0"}, {503, "36"},
                                    {504, "30,000,000"}, {506, "NO"}, {535, "400,000,000"}})
      frm.txtValor(nCasilla).SetText(sTexto);
    korva::gbFormCargado = true;
    korva::gsArchivoReporte = korva::gsSysPath + "Mens.txt";
    return frm;
  }
};

}  // namespace requestbench
