#pragma once
// The core windows' test environment: declarations written into the suite's tables.
#include <memory>
#include <string>
#include <vector>

#include "formulario/core/Ventanas.h"
#include "formulario/core/tests/entorno_prueba.h"
#include "formulario/core/windows/FrmContAbrir.h"
#include "formulario/core/windows/FrmContAbrirE.h"
#include "formulario/core/windows/MDIFrm.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/forms/instance.h"
#include "platform/vb/format.h"
#include "platform/vb/sql.h"

namespace korva::prueba {

using forms::MessageBoxCall;

// The host stand-in's taxpayers: two of the suite's user, one of another user.
inline constexpr const char* kRucAndina = "20456712348";
inline constexpr const char* kRucRio = "20603189753";
inline constexpr const char* kRucHuaman = "10425187363";
inline constexpr const char* kNombreAndina = "COMERCIAL ANDINA DEL SUR S.A.C.";
inline constexpr const char* kNombreRio = "TRANSPORTES RIO CLARO E.I.R.L.";
inline constexpr const char* kNombreHuaman = "HUAMAN QUISPE ROSA ELENA";

inline const std::string kCierreRegional =
    "Ingrese a la opción :Configuración/Panel de control/Configuración Regional y verificar las "
    "secciones Número, Moneda, Hora y Fecha.\nEsto es necesario para el correcto funcionamiento "
    "del Orvane. ";

// One declaration as the host tables hold it: its key, the two due dates, and
// for a sent one its correlative.
struct Declaracion {
  Declaracion(std::string ruc_, std::string periodo_, int semana_ = 1,
              std::string vencimiento_ = "15/04/2010", std::string vencimientoRenta_ = "20/04/2010",
              std::string correl_ = "", int tipDoc_ = 6)
      : ruc(std::move(ruc_)),
        periodo(std::move(periodo_)),
        semana(semana_),
        vencimiento(std::move(vencimiento_)),
        vencimientoRenta(std::move(vencimientoRenta_)),
        correl(std::move(correl_)),
        tipDoc(tipDoc_) {}
  std::string ruc;
  std::string periodo;
  int semana;
  std::string vencimiento;
  std::string vencimientoRenta;
  std::string correl;
  int tipDoc;
};

// The main program's windows over a suite of the host stand-in, with the
// module's tables as the installer creates them and no later subsystem linked.
class PruebaVentanas : public PruebaConSuite {
 protected:
  void SetUp() override {
    PruebaConSuite::SetUp();
    ReiniciaGlobalesImpresion();
  }
  void TearDown() override {
    RegistraVentana(Ventana::Frm942, nullptr);
    RegistraVentana(Ventana::frmImprimir, nullptr);
    RegistraVentana(Ventana::FrmImportar, nullptr);
    FijaVisorReporte(nullptr);
    FijaVentanaPrincipal(nullptr);
    ReiniciaGlobalesImpresion();
    PruebaConSuite::TearDown();
  }

  MDIFrm& Principal() {
    MDIFrm& principal = forms::Instance<MDIFrm>();
    principal.Show();
    return principal;
  }

  void Ejecuta(const std::string& sql) { gDB->Execute(sql, dao::dbFailOnError); }

  // The document types of the host's parameters replaced by `n` of our own:
  // codes 001 to n, described "TIPO 001"...
  void TiposDeResolucion(int n) {
    Ejecuta("DELETE FROM PARAM WHERE Numero = '726'");
    for (int i = 1; i <= n; ++i) {
      std::string codigo = vb::Format(i, "000");
      Ejecuta("INSERT INTO PARAM (Numero, Argumento, Funcion, Correl_Param) VALUES ('726', '" +
              codigo + "', 'TIPO " + codigo + "', '000')");
    }
  }

  static std::string Clave(const Declaracion& d) {
    return std::to_string(d.tipDoc) + ", " + vb::SqlText(d.ruc) + ", " + vb::SqlText(d.periodo) +
           ", '0942', " + std::to_string(d.semana);
  }

  // The header and one box of a pending declaration (sent: of a sent one).
  void InsertaCabecera(const Declaracion& d) {
    std::string fechas = vb::SqlText(d.vencimiento) + ", " + vb::SqlText(d.vencimientoRenta);
    if (d.correl.empty()) {
      Ejecuta("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, Semana, nrocheque, "
              "efectivo, estado) VALUES (" + Clave(d) + ", " + fechas + ", 1)");
      Ejecuta("INSERT INTO DET (tip_doc_d, doc_id_d, periodo, formulario, Semana, Casilla, "
              "i_valor) VALUES (" + Clave(d) + ", '500', '1')");
    } else {
      Ejecuta("INSERT INTO HCAB (tip_doc_d, doc_id_d, periodo, formulario, Semana, Correl, "
              "nrocheque, efectivo, estado) VALUES (" + Clave(d) + ", " + vb::SqlText(d.correl) +
              ", " + fechas + ", 1)");
      Ejecuta("INSERT INTO HDET (tip_doc_d, doc_id_d, periodo, formulario, Semana, Casilla, "
              "Correl, i_valor) VALUES (" + Clave(d) + ", '500', " + vb::SqlText(d.correl) +
              ", '1')");
    }
  }

  // The header and boxes with one debt, its motive and its supporting data, and
  // (pending) the guarantee row.
  void InsertaDeclaracion(const Declaracion& d) {
    InsertaCabecera(d);
    std::string h = d.correl.empty() ? "" : "H";
    std::string clave = Clave(d) + (d.correl.empty() ? "" : ", " + vb::SqlText(d.correl));
    std::string correl = d.correl.empty() ? "" : ", Correl";
    std::string cabeza = "tip_doc_d, doc_id_d, periodo, formulario, semana" + correl;
    std::string deuda = "Ind_tip_deu, per_doc, cod_tri, Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso";
    std::string valores = "'01', '200901', '010101', '1', '0621', '001000', '010101'";
    Ejecuta("INSERT INTO " + h + "F0942DEUDAS (" + cabeza + ", " + deuda + ") VALUES (" + clave +
            ", " + valores + ")");
    std::string motivo = "Ind_tip_deu, per_doc, cod_tri, num_doc, cod_for, cod_motivo";
    std::string valoresMotivo = "'01', '200901', '010101', '1', '0621', 1";
    Ejecuta("INSERT INTO " + h + "F0942MOTIVO (" + cabeza + ", " + motivo + ") VALUES (" + clave +
            ", " + valoresMotivo + ")");
    Ejecuta("INSERT INTO " + h + "F0942SUSTEN (" + cabeza + ", " + motivo + ", num_sust) VALUES (" +
            clave + ", " + valoresMotivo + ", 1)");
    if (d.correl.empty())
      Ejecuta("INSERT INTO F0942GARANTIA (tip_doc_d, doc_id_d, periodo, formulario, Semana, "
              "ind_garantia) VALUES (" + Clave(d) + ", '0')");
  }

  // How many rows each table holds for the declarant.
  std::vector<long> FilasDe(const std::vector<std::string>& tablas, const std::string& ruc) {
    std::vector<long> cuentas;
    for (const std::string& tabla : tablas)
      cuentas.push_back(Cuenta(tabla + " WHERE doc_id_d = " + vb::SqlText(ruc)));
    return cuentas;
  }

  // The texts of the grid's columns for every row.
  static std::vector<std::vector<std::string>> Rejilla(forms::DataGrid& grid,
                                                      const std::vector<int>& columnas) {
    std::vector<std::vector<std::string>> filas;
    for (long fila = 0; fila < grid.RowCount(); ++fila) {
      std::vector<std::string> textos;
      for (int col : columnas) textos.push_back(grid.CellText(fila, col));
      filas.push_back(textos);
    }
    return filas;
  }
};

}  // namespace korva::prueba
