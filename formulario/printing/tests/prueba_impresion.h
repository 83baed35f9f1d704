#pragma once
// The printing tests' environment: the renderer linked in, a recording printer.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "formulario/core/windows/FrmConsultas.h"
#include "formulario/core/windows/tests/ventanas_prueba.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/printing/RegistroImpresion.h"
#include "formulario/printing/frmImprimir.h"
#include "formulario/printing/frmPreview.h"
#include "formulario/spool/tests/prueba_spool.h"
#include "platform/dao/transaction.h"
#include "platform/printer/testing/recording_printer.h"
#include "platform/vb/encoding.h"
#include "platform/vb/format.h"

namespace korva::prueba {

using Lineas = std::vector<std::string>;
using Casillas = std::map<std::string, std::string>;

// The main program's windows with the preview and printer renderer linked in,
// printing on the recording printer.
class PruebaImpresion : public PruebaVentanas {
 protected:
  void SetUp() override {
    PruebaVentanas::SetUp();
    printer::SetPrintService(&impresoras_);
    RegistraImpresion();
  }
  void TearDown() override {
    printer::SetPrintService(nullptr);
    PruebaVentanas::TearDown();
  }

  std::string CarpetaRPT() const { return suite_.installFolder + "RPT/"; }

  // The reports as the preview or the printer gets them, kept by a stand-in for
  // the renderer: each file's name and mode, and the last file's lines.
  void CapturaReportes() {
    FijaVisorReporte([this](const std::string& sArchivo, const std::string& sModo) {
      mostrados_.push_back(sArchivo + " " + sModo);
      lineas_ = LeeSpool(CarpetaRPT() + sArchivo);
      return true;
    });
  }

  // A declaration of COMERCIAL ANDINA DEL SUR with its boxes (a sent one by its
  // correlative), the telephone in box 28.
  void Guarda(const Declaracion& d, Casillas casillas) {
    dao::Transaction transaccion;
    InsertaCabecera(d);
    std::string tabla = d.correl.empty() ? "DET" : "HDET";
    std::string correl = d.correl.empty() ? "" : " AND Correl = " + vb::SqlText(d.correl);
    Ejecuta("DELETE FROM " + tabla + " WHERE periodo = " + vb::SqlText(d.periodo) + correl);
    casillas["28"] = "4567890";
    for (const auto& [casilla, valor] : casillas)
      Ejecuta("INSERT INTO " + tabla + " (tip_doc_d, doc_id_d, periodo, formulario, Semana" +
              (d.correl.empty() ? "" : ", Correl") + ", Casilla, i_valor) VALUES (" + Clave(d) +
              (d.correl.empty() ? "" : ", " + vb::SqlText(d.correl)) + ", " +
              vb::SqlText(casilla) + ", " + (valor == "Null" ? "Null" : vb::SqlText(valor)) + ")");
    transaccion.Commit();
  }

  // The dialog opened from the main window's "&Imprimir" (of the sent
  // declarations when `enviadas`); `accion` runs while it is shown, then
  // "&Salir" closes it.
  void ConDialogo(bool enviadas, const std::function<void(frmImprimir&)>& accion) {
    MDIFrm& principal = Principal();
    driver_.OnModal<frmImprimir>([&](frmImprimir& frm) {
      accion(frm);
      if (frm.IsLoaded()) driver_.Click(frm.CmdImprimir(2));
    });
    driver_.ChooseMenu(enviadas ? principal.mnuImprimirE : principal.mnuImprimir);
  }

  // The row of the list of that period (mmyyyy) and correlative.
  void Elige(frmImprimir& frm, const std::string& periodo, const std::string& correl) {
    forms::DataGrid& grid = frm.grdImprimir;
    for (long fila = 0; fila < grid.RowCount(); ++fila)
      if (grid.CellText(fila, 7) == periodo && grid.CellText(fila, 8) == correl)
        return driver_.PickRow(grid, fila);
    ADD_FAILURE() << periodo << " " << correl;
  }
  // A spool file of the report folder, its lines as the writers end them.
  void EscribeSpool(const std::string& sNombre, const Lineas& lineas) const {
    std::string bytes;
    for (const std::string& linea : lineas) bytes += vb::ToCp1252(linea) + "\r\n";
    testsupport::WriteBytes(CarpetaRPT() + sNombre, bytes);
  }

  // The document types 001 to n listed by the code lookup window and printed
  // with its "&Imprimir".
  void ImprimeTipos(int n) {
    TiposDeResolucion(n);
    Principal();
    gsTipoConsulta = "R";
    driver_.OnModal<FrmConsultas>([&](FrmConsultas& consultas) {
      driver_.Click(consultas.cmdImprimir);
      driver_.Click(consultas.CmdSalir);
    });
    forms::Instance<FrmConsultas>().Show(forms::vbModal);
  }

  // The calls that draw one text and one box on the printer.
  static Lineas TextoImpreso(int x, int y, const std::string& texto, bool negrita, int tamano) {
    return {"FontName Courier New", negrita ? "FontBold True" : "FontBold False",
            "FontSize " + std::to_string(tamano), "CurrentX " + std::to_string(x),
            "CurrentY " + std::to_string(y), "Print " + texto};
  }
  static Lineas CuadroImpreso(int x1, int y1, int x2, int y2) {
    auto n = [](int v) { return std::to_string(v); };
    return {"FontName Courier", "DrawWidth 1",
            "Line " + n(x1) + " " + n(y1) + " " + n(x1) + " " + n(y2),
            "Line " + n(x2) + " " + n(y1) + " " + n(x2) + " " + n(y2),
            "Line " + n(x1) + " " + n(y1) + " " + n(x2) + " " + n(y1),
            "Line " + n(x1) + " " + n(y2) + " " + n(x2) + " " + n(y2)};
  }
  static void Agrega(Lineas& a, const Lineas& b) { a.insert(a.end(), b.begin(), b.end()); }

  printer::RecordingPrintService impresoras_;
  Lineas mostrados_;
  Lineas lineas_;
};

}  // namespace korva::prueba
