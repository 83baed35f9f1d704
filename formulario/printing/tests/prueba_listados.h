#pragma once
// The listings' tests: debts in the suite's tables, a spool file open, the page headers' lines.
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "formulario/printing/tests/pagina_declaracion.h"
#include "formulario/printing/tests/prueba_impresion.h"
#include "platform/dao/transaction.h"
#include "platform/vb/files.h"
#include "platform/vb/format.h"

namespace korva::prueba {

inline std::string Pos(int x, int y, const std::string& texto, bool negrita, int tamano, int hoja) {
  return "pPos|" + std::to_string(x) + "|" + std::to_string(y) + "|" + texto +
         (negrita ? "|True|" : "|False|") + std::to_string(tamano) + "|" + std::to_string(hoja) +
         "|";
}
inline std::string Cuadro(int x1, int y1, int x2, int y2, int hoja) {
  auto n = [](int v) { return std::to_string(v) + "|"; };
  return "pCuadro|" + n(x1) + n(y1) + n(x2) + n(y2) + n(hoja);
}

// What starts page `hoja` of the file: the page break and the orientation tag,
// or on page 0 the file's three header tags.
inline Lineas InicioDeHoja(int hoja, const char* orientacion) {
  if (hoja == 0) return {kEtiquetasVertical[0], orientacion, kEtiquetasVertical[2]};
  return {"pNuevaHoja", orientacion};
}

// The header block of a landscape annex page for COMERCIAL ANDINA DEL SUR, with
// the page's start.
inline Lineas CabeceraHorizontal(int hoja) {
  auto t = [hoja](int x, int y, const std::string& s, bool b, int z) {
    return Pos(x, y, s, b, z, hoja);
  };
  auto c = [hoja](int x1, int y1, int x2, int y2) { return Cuadro(x1, y1, x2, y2, hoja); };
  Lineas lineas = InicioDeHoja(hoja, "<!Orientacion!>H<!/Orientacion!>");
  for (std::string linea :
       {t(440, 350, "TELVO", true, 16), t(690, 1330, "0942", true, 12), c(290, 300, 1840, 1640),
        c(13500, 300, 16000, 1370), c(13500, 650, 16000, 1100), c(13500, 1370, 16000, 1640),
        t(4240, 400, "SOLICITUD Plexo - VANDOR", true, 9),
        t(14140, 400, "Pag. " + std::to_string(hoja + 1), false, 8), c(1840, 300, 13500, 1100),
        t(1990, 1170, "RUC", false, 8), t(4840, 1170, "20456712348", true, 8),
        t(1990, 1450, "RAZÓN SOCIAL", false, 8),
        t(4840, 1450, "COMERCIAL ANDINA DEL SUR S.A.C.", true, 8),
        t(14170, 1170, "TELEFONO", false, 8), t(14170, 1440, "4567890", false, 8),
        c(1840, 1100, 13500, 1370), c(1840, 1100, 4390, 1640),
        t(14140, 670, "Copia para el", false, 8), t(14140, 900, "Contribuyente", false, 8)})
    lineas.push_back(linea);
  return lineas;
}

// The header block of a portrait annex page, with the page's start.
inline Lineas CabeceraVertical(int hoja) {
  auto t = [hoja](int x, int y, const std::string& s, bool b, int z) {
    return Pos(x, y, s, b, z, hoja);
  };
  auto c = [hoja](int x1, int y1, int x2, int y2) { return Cuadro(x1, y1, x2, y2, hoja); };
  Lineas lineas = InicioDeHoja(hoja, "<!Orientacion!>V<!/Orientacion!>");
  for (std::string linea :
       {t(400, 350, "TELVO", true, 16), t(600, 1330, "0942", true, 12), c(290, 300, 1700, 1640),
        c(8500, 300, 11000, 650), t(2240, 400, "SOLICITUD Plexo - VANDOR", true, 9),
        t(9000, 400, "Pag. " + std::to_string(hoja + 1), false, 8),
        t(4680, 670, "VANDOR", true, 9), c(1700, 300, 8500, 1100), t(1750, 1170, "RUC", false, 8),
        t(3850, 1170, "20456712348", true, 8), c(8500, 1100, 11000, 1370),
        t(9030, 1170, "TELEFONO", false, 8), t(9030, 1440, "4567890", false, 8),
        c(1700, 1100, 3800, 1370), c(1700, 1370, 3800, 1640),
        t(1750, 1450, "Apellidos y nombres", false, 8),
        t(3850, 1450, "COMERCIAL ANDINA DEL SUR S.A.C.", true, 8), c(3800, 1370, 8500, 1640),
        t(9000, 670, "Copia para el", false, 8), t(9000, 900, "Contribuyente", false, 8),
        c(8500, 300, 11000, 1100), c(8500, 1100, 11000, 1640)})
    lineas.push_back(linea);
  return lineas;
}

// The header block of a guarantee report page dated 3 June 2026, its title
// moved right by `margen`, with the page's start.
inline Lineas CabeceraGarantia(int hoja, const std::string& codigo, const std::string& modalidad,
                               int margen = 0) {
  auto t = [hoja](int x, int y, const std::string& s, bool b) { return Pos(x, y, s, b, 9, hoja); };
  Lineas lineas = InicioDeHoja(hoja, "<!Orientacion!>V<!/Orientacion!>");
  for (std::string linea :
       {t(2240 + margen, 400,
          codigo == "CF" ? "REPORTE DE REQUERIMIENTO DE CARTA FIANZA"
                         : "REPORTE DE REQUERIMIENTO DE HIPOTECA",
          true),
        t(300, 670, "    , 3 de Junio de 2026", false), t(300, 940, "RUC N.° 20456712348", false),
        t(300, 1210, "Razón social: COMERCIAL ANDINA DEL SUR S.A.C.", false),
        t(300, 1480, "Solicitud de acogimiento al " + modalidad, false),
        t(300, 1750, "Fecha de presentación de la solicitud 15/04/2010", false),
        t(300, 2020, "Detalle de la deuda por la que solicita el acogimiento al " + modalidad,
          false)})
    lineas.push_back(linea);
  return lineas;
}

// One debt row of the declaration; an unset value is stored as Null.
struct Deuda {
  std::string tip{};
  std::string per{};
  std::string tri{};
  std::string num{};
  std::string tdoc = "000000";
  std::string forma = "0000";
  std::string aso = "000000";
  std::string ver = "00";
  std::optional<int> acog{};
  std::optional<int> conf{};
  std::optional<std::string> acts{};
  std::optional<std::string> tribc{};
  std::optional<std::string> intc{};
  std::optional<std::string> intcap{};
  std::optional<std::string> actc{};
  int valor = 0;
  int dj = 0;
};

// Debts of every category: included valores (V1, V2), valores not included or
// not answered (V3, V4), a self-assessed debt (D1), an infraction (I1),
// non-notified ones of each kind (N1 valor, N2 sworn declaration, N3 infraction),
// debts that cannot be included (X1, X2) and another reported debt (O1).
inline std::vector<Deuda> DeudasDeCadaCategoria() {
  return {
      {.tip = "01", .per = "200912", .tri = "010101", .num = "0230010045678", .tdoc = "003000",
       .acog = 1, .conf = 1, .acts = "1234.5", .tribc = "1000", .intc = "234.5", .actc = "1234.5"},
      {.tip = "01", .per = "201001", .tri = "030301", .num = "0240030012345", .tdoc = "001000",
       .ver = "07", .acog = 1, .conf = 2, .acts = "25000", .tribc = "18000", .intc = "2000.75",
       .actc = "20000.75"},
      {.tip = "01", .per = "200906", .tri = "010101", .num = "0230010099999", .tdoc = "003000",
       .ver = "08", .acog = 2, .conf = 2, .acts = "500", .actc = ""},
      {.tip = "01", .per = "200906", .tri = "030301", .num = "0240030099999", .tdoc = "001000"},
      {.tip = "02", .per = "200812", .tri = "030301", .num = "12345678", .forma = "0621",
       .acog = 1, .conf = 1, .acts = "800", .tribc = "800", .intc = "", .intcap = "",
       .actc = "800"},
      {.tip = "03", .per = "200811", .tri = "060401", .num = "0220020011111", .tdoc = "002001",
       .aso = "010101", .acog = 1, .conf = 1, .acts = "350.25", .tribc = "300", .intc = "50.25",
       .actc = "350.25"},
      {.tip = "04", .per = "200910", .tri = "010101", .num = "0230010077777", .tdoc = "003000",
       .tribc = "900", .intc = "150.4", .actc = "1050.4", .valor = 1},
      {.tip = "04", .per = "200909", .tri = "030301", .num = "87654321", .forma = "0621",
       .tribc = "700", .intcap = "60.3", .actc = "760.3", .dj = 1},
      {.tip = "04", .per = "200908", .tri = "060401", .num = "0220020022222", .aso = "030301",
       .tribc = "150", .actc = "180"},
      {.tip = "01", .per = "200905", .tri = "010101", .num = "0230010055555", .tdoc = "003000",
       .ver = "16", .acts = "420.8"},
      {.tip = "02", .per = "200904", .tri = "030301", .num = "11112222", .forma = "0621",
       .ver = "18", .acts = "95"},
      {.tip = "05", .per = "200903", .tri = "010101", .num = "0230010033333", .tdoc = "003000",
       .ver = "0", .acog = 1, .tribc = "2000", .intc = "150", .intcap = "50", .actc = "2200"},
  };
}

// `n` included valores of one period and tax, numbered DOC00001 on, of 1.00 each.
inline std::vector<Deuda> Valores(int n, const std::string& tip = "01", int valor = 0) {
  std::vector<Deuda> deudas;
  for (int i = 1; i <= n; ++i)
    deudas.push_back({.tip = tip, .per = "200901", .tri = "010101",
                      .num = "DOC" + vb::Format(i, "00000"), .acog = 1, .acts = "1",
                      .tribc = "1", .actc = "1", .valor = valor});
  return deudas;
}

// The listings of COMERCIAL ANDINA DEL SUR's declaration of 201003 (TESORO),
// written by hand into the spool file RPT\00000001.PRN after a declaration page
// (so that their first page is page 1); presentation date 15/04/2010.
class PruebaListado : public PruebaImpresion {
 protected:
  void SetUp() override {
    PruebaImpresion::SetUp();
    gsRuc = kRucAndina;
    gsRazonSocial = kNombreAndina;
    gsPeriodo = "201003";
    gnSemana = 1;
    gsCasillas[28] = "4567890";
    gsCasillas[541] = "15/04/2010";
    AbreSpool();
  }
  void TearDown() override {
    vb::Close();
    PruebaImpresion::TearDown();
  }

  void AbreSpool() {
    vb::Close();
    gsSalida = "ARCHIVO";
    giNroHoja = 0;
    giArchivo = vb::FreeFile();
    vb::Open(CarpetaRPT() + "00000001.PRN", vb::OpenMode::Output, giArchivo);
  }
  Lineas Escrito() {
    vb::Close(giArchivo);
    return LeeSpool(CarpetaRPT() + "00000001.PRN");
  }

  // The report of the declaration (stored with Guarda) as the preview gets it
  // from the print dialog, with option `opcion` and the annex boxes `anexos`
  // ticked.
  Lineas ImprimeDesdeDialogo(int opcion, std::initializer_list<int> anexos) {
    vb::Close();
    CapturaReportes();
    ConDialogo(false, [&](frmImprimir& frm) {
      Elige(frm, "032010", "");
      driver_.Click(frm.OptImp(opcion));
      for (int i : anexos) driver_.Click(frm.chkAnexos(i));
      driver_.Click(frm.CmdImprimir(0));
    });
    return lineas_;
  }

  // The rows in F0942DEUDAS, or with `correl` in HF0942DEUDAS.
  void Agrega(const std::vector<Deuda>& deudas, const std::string& correl = "") {
    dao::Transaction transaccion;
    for (const Deuda& d : deudas) Ejecuta(Sentencia(d, correl));
    transaccion.Commit();
  }

  static std::string Sentencia(const Deuda& d, const std::string& correl) {
    auto texto = [](const std::optional<std::string>& v) { return v ? vb::SqlText(*v) : "Null"; };
    auto numero = [](const std::optional<int>& v) { return v ? std::to_string(*v) : "Null"; };
    bool h = !correl.empty();
    return std::string("INSERT INTO ") + (h ? "H" : "") +
           "F0942DEUDAS (tip_doc_d, doc_id_d, periodo, formulario, semana" + (h ? ", Correl" : "") +
           ", Ind_tip_deu, per_doc, cod_tri, Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso, "
           "Ind_ver_deu, Fec_des_deu, ind_acog, ind_conf, mto_act_s, mto_tributo_c, mto_int_c, "
           "mto_int_cap_c, mto_act_c, Ind_valor, Ind_deuda_dj) VALUES (6, '20456712348', '201003', "
           "'0942', 1" + (h ? ", " + vb::SqlText(correl) : "") + ", '" + d.tip + "', '" + d.per +
           "', '" + d.tri + "', '" + d.num + "', '" + d.forma + "', '" + d.tdoc + "', '" + d.aso +
           "', '" + d.ver + "', #03/15/2010 10:20:30#, " + numero(d.acog) + ", " + numero(d.conf) +
           ", " + texto(d.acts) + ", " + texto(d.tribc) + ", " + texto(d.intc) + ", " +
           texto(d.intcap) + ", " + texto(d.actc) + ", " + std::to_string(d.valor) + ", " +
           std::to_string(d.dj) + ")";
  }
};

}  // namespace korva::prueba
