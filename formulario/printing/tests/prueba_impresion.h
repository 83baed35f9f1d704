#pragma once
// The printing tests' environment: the renderer linked in, a recording printer.
#include <string>
#include <vector>

#include "formulario/core/windows/FrmConsultas.h"
#include "formulario/core/windows/tests/ventanas_prueba.h"
#include "formulario/printing/spool/GlobalesImpresion.h"
#include "formulario/printing/RegistroImpresion.h"
#include "formulario/printing/frmPreview.h"
#include "platform/printer/testing/recording_printer.h"
#include "platform/vb/encoding.h"
#include "platform/vb/format.h"

namespace korva::prueba {

using Lineas = std::vector<std::string>;

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
};

}  // namespace korva::prueba
