#pragma once
#include <string>

#include "platform/dao/database.h"

namespace korva::prueba {

// The module's debt, motive and support tables as the installer creates them:
// the declaration key first and the check code last, each column in its place,
// since the check code of a row depends on that order. The keys are left out:
// the check code does not look at them.
inline const std::string kCabezaClave =
    "tip_doc_d BYTE, doc_id_d TEXT(15), periodo TEXT(6), formulario TEXT(4), ";

inline std::string ColumnasDeuda() {
  return kCabezaClave +
         "semana BYTE, Ind_tip_deu TEXT(2), per_doc TEXT(6), cod_tri TEXT(6), Num_doc TEXT(17), "
         "Cod_for TEXT(4), Cod_tip_doc TEXT(6), Cod_tri_aso TEXT(6), Ind_ver_deu TEXT(2), "
         "Fec_des_deu DATE, Num_cuo BYTE, Fec_ult_cap DATE, Num_pro TEXT(14), "
         "mto_tributo_s TEXT(15), mto_int_cap_s TEXT(15), mto_int_s TEXT(15), mto_act_s TEXT(15), "
         "ind_acog BYTE, ind_conf BYTE, mto_tributo_c TEXT(15), mto_int_cap_c TEXT(15), "
         "mto_int_c TEXT(15), mto_act_c TEXT(15), Cod_for_dj TEXT(4), Num_ord_dj TEXT(8), "
         "Ind_valor BYTE, Ind_deuda_dj BYTE, Ind_impugnado TEXT(2), cnumero TEXT(6)";
}

inline std::string ColumnasMotivoHasta() {
  return kCabezaClave +
         "Semana BYTE, Ind_tip_deu TEXT(2), per_doc TEXT(6), cod_tri TEXT(6), num_doc TEXT(17), "
         "cod_for TEXT(4), cod_motivo BYTE";
}

inline void CreaTablasModulo(dao::Database& db) {
  for (const char* prefijo : {"", "TMP_"}) {
    std::string p = prefijo;
    db.Execute("CREATE TABLE " + p + "F0942DEUDAS (" + ColumnasDeuda() + ")");
    db.Execute("CREATE TABLE " + p + "F0942MOTIVO (" + ColumnasMotivoHasta() +
               ", cnumero TEXT(6))");
    db.Execute("CREATE TABLE " + p + "F0942SUSTEN (" + ColumnasMotivoHasta() +
               ", num_sust BYTE, cod_formulario TEXT(4), num_orden Integer, num_res TEXT(16), "
               "tip_impug BYTE, num_exp TEXT(16), des_otros TEXT(30), fec_pago TEXT(10), "
               "cnumero TEXT(6))");
  }
}

}  // namespace korva::prueba
