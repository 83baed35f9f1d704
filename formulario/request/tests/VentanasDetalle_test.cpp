// The detail windows of a debt are opened through the registry and talk to the
// request form through its default instance: stand-ins registered here do what
// the reported-debt and the non-notified-debt windows do with it.
#include "formulario/core/ModGen01.h"
#include "formulario/request/SolicitudAbierta.h"
#include "formulario/request/tests/prueba_solicitud.h"

namespace korva::prueba {
namespace {

// What a detail window read from the request form when it loaded.
struct Lectura {
  std::string perDoc;
  std::string numDoc;
  std::string ruc;
  std::string titulo;
  std::string fecha;
  std::string tag;
  int grilla = 0;
  friend bool operator==(const Lectura&, const Lectura&) = default;
};

class VentanasDetalleTest : public PruebaSolicitud {
 protected:
  void SetUp() override {
    PruebaSolicitud::SetUp();
    RegistraSustitutos();
    Declara(kRucAndina, 1,
            {Deuda{"01", "00", "201003", "010101", "1", "001000", "100.00", "", "Null"},
             Deuda{"01", "00", "201002", "010101", "2", "001000", "200.00", "", "Null"}});
  }

  static Lectura Lee(int nGrilla) {
    Frm942& frm = forms::Instance<Frm942>();
    forms::DataGrid& grid = frm.TDBGrid(nGrilla);
    return {vb::CStr(grid.Columns("per_doc").Value()),
            vb::CStr(grid.Columns("num_Doc").Value()),
            vb::Trim(vb::Left(frm.cboNumdoc.List(frm.cboNumdoc.ListIndex()), 11)),
            frm.SSTab1.TabCaption(frm.SSTab1.Tab()),
            frm.mkeFechaAcog.Text(),
            frm.Tag(),
            nGrilla};
  }

  std::vector<Lectura> lecturas_;
};

// The reported-debt window answers the row it was opened on, stores the answer
// and calls back the grid's reload and the total, in that order.
TEST_F(VentanasDetalleTest, ReportedDebtWindowReadsTheChosenRowAndRefreshesGridAndTotal) {
  driver_.OnModal<frmCondeuDetSustituto>([this](frmCondeuDetSustituto& detalle) {
    lecturas_.push_back(Lee(giIndexGrid));
    gbGrabado = true;
    Ejecuta("UPDATE TMP_F0942DEUDAS SET ind_acog = 1, ind_conf = 1, mto_act_c = '200.40' WHERE "
            "num_doc = '2'");
    Frm942& frm = forms::Instance<Frm942>();
    frm.CargaTabIndex(giIndexGrid);
    frm.CalculaMontoTotal(frm.txtmtototal(giIndexGrid), giIndexGrid);
    EXPECT_EQ(frm.TDBGrid(1).CurrentRow(), 0);
    EXPECT_EQ(Rejilla(frm.TDBGrid(1), {3, 5, 24}),
              (std::vector<std::vector<std::string>>{{"1", "", ""}, {"2", "200", "SI"}}));
    EXPECT_EQ(frm.txtmtototal(1).Text(), "200");
    forms::Unload(detalle);
  });
  Abre(kRucAndina, [this](Frm942& frm) {
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 1);
    driver_.PickRow(frm.TDBGrid(1), 1);
    frm.nPosicion = frm.Dat(1).Recordset()->AbsolutePosition();
    giIndexGrid = 1;
    EXPECT_TRUE(MuestraVentana(Ventana::frmCondeuDet));
    EXPECT_TRUE(frm.IsLoaded());
  });
  EXPECT_EQ(lecturas_, (std::vector<Lectura>{{"201002", "2", kRucAndina, "Valores", kHoy, "", 1}}));
}

// The non-notified-debt window reads the tag and the tab, adds its row and calls
// back the total and the grid's reload.
TEST_F(VentanasDetalleTest, NonNotifiedDebtWindowAddsARowThatTheGridAndTotalShow) {
  driver_.OnModal<FrmNoNotificadaSustituto>([this](FrmNoNotificadaSustituto& detalle) {
    Frm942& frm = forms::Instance<Frm942>();
    int k = frm.SSTab1.Tab();
    lecturas_.push_back(Lee(k));
    InsertaDeuda("TMP_", Clave({kRucAndina, "201005", 1}),
                 {"04", "00", "201004", "010101", "N-1", "001000", "1234.50", "1234.50", "1"});
    frm.CalculaMontoTotal(frm.txtmtototal(k), k);
    frm.CargaTabIndex(k);
    forms::Unload(detalle);
  });
  Abre(kRucAndina, [this](Frm942& frm) {
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 3);
    frm.SetTag("N");
    EXPECT_TRUE(MuestraVentana(Ventana::FrmNoNotificada));
    EXPECT_EQ(frm.txtmtototal(3).Text(), "1,235");
    EXPECT_EQ(frm.lblTab(3).Caption(), "Total de registros : 1 de 1");
    EXPECT_EQ(Rejilla(frm.TDBGrid(3), {0, 3, 4, 15}),
              (std::vector<std::vector<std::string>>{{"04/2010", "N-1", "1,234.50", "1,235"}}));
  });
  ASSERT_EQ(lecturas_.size(), 1u);
  EXPECT_EQ(lecturas_[0].tag, "N");
  EXPECT_EQ(lecturas_[0].grilla, 3);
  EXPECT_EQ(lecturas_[0].titulo, "&Otras deudas");
  EXPECT_EQ(driver_.ModalForms().back(), "FrmNoNotificada");
}

// The door the detail windows read the form through answers what the form
// holds: the operation of its Tag, the declarant's RUC, the date, the tabs, a
// row by column name as stored and as shown, and the moves between rows.
TEST_F(VentanasDetalleTest, DoorAnswersTheFormsDeclarationTabsAndRowsByColumnName) {
  Abre(kRucAndina, [this](Frm942& frm) {
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 1);
    driver_.PickRow(frm.TDBGrid(1), 1);
    SolicitudAbierta solicitud;
    for (auto [sTag, modo] : {std::pair{"", Operacion::Ninguna}, {"N", Operacion::Nueva},
                              {"E", Operacion::Edicion}, {"D", Operacion::Ninguna}}) {
      frm.SetTag(sTag);
      EXPECT_EQ(solicitud.Modo(), modo) << sTag;
    }
    EXPECT_EQ(solicitud.Ruc(), kRucAndina);
    EXPECT_EQ(solicitud.FechaAcogimiento(), kHoy);
    EXPECT_EQ(solicitud.TituloPestana(solicitud.Pestana()), "Valores");
    EXPECT_EQ(solicitud.AyudaPestana(), 1016);
    EXPECT_EQ(vb::CStr(solicitud.Valor(1, "per_doc")), "201002");
    EXPECT_EQ(solicitud.Texto(1, "per_doc"), "02/2010");
    EXPECT_EQ(solicitud.Posicion(1), 1);
    EXPECT_EQ(solicitud.Cuenta(1), 2);
    solicitud.IrAPrimeraFila(1);
    EXPECT_EQ(vb::CStr(solicitud.Valor(1, "num_doc")), "1");
    solicitud.IrAFila(1, 1);
    EXPECT_EQ(frm.TDBGrid(1).CurrentRow(), 1);
    long nDeudas = frm.nDeudasTemporales;
    solicitud.CuentaDeudaAgregada();
    EXPECT_EQ(frm.nDeudasTemporales, nDeudas + 1);
  });
}

// While the form is open the core reads the debt file's date from its grids
// 1, 2 and 5; once it closes there is none.
TEST_F(VentanasDetalleTest, DebtFilesDateComesFromTheOpenFormsGrids) {
  Abre(kRucAndina, [](Frm942&) { EXPECT_EQ(ObtieneFechaDescarga(), Momento(2010, 5, 15, 8)); });
  EXPECT_EQ(ObtieneFechaDescarga(), vb::Date{});
}

TEST_F(VentanasDetalleTest, DetailWindowNotInThisBuildIsReportedAsNotAvailable) {
  RegistraVentana(Ventana::frmCondeuDet, nullptr);
  driver_.Expect({"Esta función no está disponible en esta versión del módulo.", forms::vbInformation,
                  "Información"});
  EXPECT_FALSE(MuestraVentana(Ventana::frmCondeuDet));
}

}  // namespace
}  // namespace korva::prueba
