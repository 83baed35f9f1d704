#include "formulario/printing/frmImpxPag.h"

#include "formulario/printing/tests/prueba_impresion.h"

namespace korva::prueba {
namespace {

class FrmImpxPagTest : public PruebaImpresion {
 protected:
  // The dialog on a report of `total` pages; `accion` runs while it is shown,
  // then "&Cancelar" closes it.
  void Dialogo(const std::string& total, const std::function<void(frmImpxPag&)>& accion) {
    driver_.OnModal<frmImpxPag>([&](frmImpxPag& dialogo) {
      accion(dialogo);
      driver_.Click(dialogo.cmdAccion(1));
    });
    frmImpxPag& dialogo = forms::Instance<frmImpxPag>();
    dialogo.SetTag("00000001.PRN");
    dialogo.txtTotPaginas.SetText(total);
    dialogo.Show(forms::vbModal);
  }
};

TEST_F(FrmImpxPagTest, OpensOnPagesOneToFifteenWithItsNoteAndHelpTopic) {
  Dialogo("40", [](frmImpxPag& dialogo) {
    EXPECT_EQ(dialogo.txtPagDesde.Text(), "1");
    EXPECT_EQ(dialogo.txtPagHasta.Text(), "15");
    EXPECT_EQ(dialogo.HelpContextID(), 1027);
    EXPECT_EQ(dialogo.Frame1.Caption(), "Imprimir");
    EXPECT_EQ(dialogo.lblDesde.Caption(), "&Desde :");
    EXPECT_EQ(dialogo.lblHasta.Caption(), "&Hasta :");
    EXPECT_EQ(dialogo.cmdAccion(0).Caption(), "&Preliminar");
    EXPECT_EQ(dialogo.cmdAccion(1).Caption(), "&Cancelar");
    EXPECT_EQ(dialogo.txtNota.Text(),
              "El reporte generado contiene              páginas. Su consulta\r\n"
              "puede ocasionar la caida del programa debido a la saturación\r\n"
              "de la memoria de la computadora.");
  });
  EXPECT_EQ(forms::LoadedInstance<frmImpxPag>(), nullptr);
}

TEST_F(FrmImpxPagTest, ThePageBoxesTakeDigitsPointBlankAndBackspaceOnly) {
  Dialogo("40", [&](frmImpxPag& dialogo) {
    for (forms::TextBox* caja : {&dialogo.txtPagDesde, &dialogo.txtPagHasta}) {
      driver_.Replace(*caja, "");
      driver_.Type(*caja, "1a-,2. 3\b4x");
      EXPECT_EQ(caja->Text(), "12. 4") << caja->Name();
    }
  });
}

TEST_F(FrmImpxPagTest, EnterMovesOnToTheNextBox) {
  Dialogo("40", [&](frmImpxPag& dialogo) {
    driver_.Replace(dialogo.txtPagDesde, "");
    driver_.Type(dialogo.txtPagDesde, "3\r7");
    EXPECT_EQ(dialogo.txtPagDesde.Text(), "3");
    EXPECT_EQ(dialogo.ActiveControl(), &dialogo.txtPagHasta);
    EXPECT_EQ(dialogo.txtPagHasta.Text(), "715");
  });
}

TEST_F(FrmImpxPagTest, PreliminarChecksTheRangeInItsOrderAndStopsAtTheFirstFault) {
  struct Caso {
    const char* desde;
    const char* hasta;
    const char* total;
    const char* mensaje;
  } casos[] = {
      {"  ", "", "5", "Ingrese página de inicio"},
      {"0", "3", "5", "Página inicial debe ser a partir de 1"},
      {" . ", "3", "5", "Página inicial debe ser a partir de 1"},
      {"6", "6", "5", "Página inicial no debe ser mayor a total de páginas del reporte"},
      {"2", "3", "", "Página inicial no debe ser mayor a total de páginas del reporte"},
      {"3", " ", "5", "Ingrese página de Fin"},
      {"3", "2", "5", "Página final no debe ser menor a página inicial"},
  };
  for (const Caso& c : casos) {
    driver_.Expect({c.mensaje, forms::vbCritical, vb::App::Title()});
    Dialogo(c.total, [&](frmImpxPag& dialogo) {
      driver_.Replace(dialogo.txtPagDesde, c.desde);
      driver_.Replace(dialogo.txtPagHasta, c.hasta);
      driver_.Click(dialogo.cmdAccion(0));
      EXPECT_TRUE(dialogo.IsLoaded()) << c.mensaje;
    });
  }
  EXPECT_TRUE(driver_.ModalForms().size() == std::size(casos));
}

TEST_F(FrmImpxPagTest, AValidRangeIsKeptAndTheReportPreviewedWithTheDialogBehind) {
  struct Caso {
    const char* desde;
    const char* hasta;
    int pagDesde;
    int pagHasta;
  } casos[] = {{"3", "3", 3, 3}, {"1", "15", 1, 15}, {"2.5", "4.5", 2, 4}, {"5", "99999", 5, 32767}};
  for (const Caso& c : casos) {
    EscribeSpool("00000001.PRN", {"pPos|10|175|HOJA|False|8|0|"});
    bool detras = false;
    driver_.OnModal<frmPreview>([&](frmPreview& preview) {
      detras = forms::LoadedInstance<frmImpxPag>() != nullptr;
      EXPECT_EQ(preview.TotalHojas(), 1) << "the range does not take effect";
      driver_.PressToolbarButton(preview.tlbPrevia, 5);
    });
    Dialogo("5", [&](frmImpxPag& dialogo) {
      driver_.Replace(dialogo.txtPagDesde, c.desde);
      driver_.Replace(dialogo.txtPagHasta, c.hasta);
      driver_.Click(dialogo.cmdAccion(0));
    });
    EXPECT_TRUE(detras) << c.desde;
    EXPECT_EQ(giPagDesde, c.pagDesde) << c.desde;
    EXPECT_EQ(giPagHasta, c.pagHasta) << c.hasta;
    EXPECT_FALSE(gbRangoPag);
  }
  EXPECT_TRUE(driver_.MessageBoxes().empty());
}

}  // namespace
}  // namespace korva::prueba
