#pragma once
// What the request form's benchmarks share: a suite with a declaration of
// generated debts imported, the form opened on it in the states the benchmarks
// start from, and plain SQLite doing the same rows' work.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/windows/FrmContAbrir.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/import/bench/import_suite.h"
#include "formulario/request/Calculos.h"
#include "formulario/request/Frm942.h"
#include "platform/dao/sql_functions.h"
#include "platform/forms/forms.h"
#include "platform/vb/date.h"
#include "platform/vb/format.h"

namespace requestbench {

// The suite with its declaration imported, and the chooser of pending
// declarations on its row, handed to the request form.
class Suite : public importbench::Suite {
 public:
  explicit Suite(int deudas) : importbench::Suite(deudas) {
    if (!Import()) throw std::runtime_error("the import did not finish");
    forms::Release<korva::FrmImportar>();
    korva::giModo = 1;
    korva::EntregaDeclaracion(forms::Instance<korva::FrmContAbrir>().Elegida());
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

// A plain SQLite connection to the suite's database. The tables' text columns
// compare by the engine's collation and their rows are checked by its
// function, so both are registered.
class Plana {
 public:
  explicit Plana(const std::string& database) {
    importbench::Check(sqlite3_open(database.c_str(), &db_), db_);
    dao::RegisterJetSql(db_);
  }
  ~Plana() { sqlite3_close(db_); }
  Plana(const Plana&) = delete;
  Plana& operator=(const Plana&) = delete;

  void Ejecuta(const std::string& sql) {
    importbench::Check(sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr), db_);
  }
  // Runs a query and reads every column of every row.
  void Lee(const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    importbench::Check(sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr), db_);
    while (sqlite3_step(st) == SQLITE_ROW)
      for (int col = 0; col < sqlite3_column_count(st); ++col) {
        if (sqlite3_column_type(st, col) == SQLITE_TEXT)
          benchmark::DoNotOptimize(sqlite3_column_text(st, col));
        else
          benchmark::DoNotOptimize(sqlite3_column_double(st, col));
      }
    sqlite3_finalize(st);
  }

 private:
  sqlite3* db_ = nullptr;
};

// The working debts of the suite's declaration.
inline std::string DeudasDeLaDeclaracion() {
  return std::string("WHERE doc_id_d = '") + importbench::kRuc + "' AND semana = 1 ";
}

// The opening's copy of the declaration's debts into the emptied working table.
inline std::string CopiaPlana() {
  return "INSERT INTO TMP_F0942DEUDAS SELECT * FROM F0942DEUDAS " + DeudasDeLaDeclaracion() +
         "AND tip_doc_d = 6 AND formulario = '0942'";
}

// The interest of the included and agreed debts as one UPDATE: 31 days at
// 0.04 % a day (the rate 1.2) on the tax and the capitalised interest, the
// reported interest added, two decimals and whole soles.
inline std::string ActualizacionPlana() {
  return "UPDATE TMP_F0942DEUDAS SET "
         "mto_int_c = printf('%.2f', mto_int_s + round((mto_tributo_c + mto_int_cap_s) * 0.0124, 2)), "
         "mto_act_c = printf('%.0f', mto_tributo_c + mto_int_cap_s + mto_int_s + "
         "round((mto_tributo_c + mto_int_cap_s) * 0.0124, 2)), cnumero = '000000' " +
         DeudasDeLaDeclaracion() +
         "AND ind_tip_deu in ('01', '02', '03') AND ind_ver_deu in ('00', '07', '08') AND ind_acog = 1 "
         "AND ind_conf = 1";
}

// The store's rows: the declaration's debt, motive and supporting rows deleted
// and copied back from the working tables in one transaction.
inline std::string GrabacionPlana() {
  const std::string clave = std::string(" WHERE tip_doc_d = 6 AND doc_id_d = '") + importbench::kRuc +
                            "' AND periodo = '" + korva::gsPeriodo + "' AND formulario = '0942' AND semana = 1";
  std::string copia = "BEGIN;";
  for (const char* tabla : {"F0942DEUDAS", "F0942MOTIVO", "F0942SUSTEN"})
    copia += std::string("DELETE FROM ") + tabla + clave + "; INSERT INTO " + tabla + " SELECT * FROM TMP_" +
             tabla + clave + ";";
  return copia + "COMMIT;";
}

}  // namespace requestbench
