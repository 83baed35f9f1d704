#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "formulario/core/windows/tests/ventanas_prueba.h"
#include "formulario/import/FrmImportar.h"
#include "formulario/request/Frm942.h"
#include "formulario/request/RegistroSolicitud.h"
#include "platform/vb/strings.h"
#include "tools/debtfile/debt_file.h"

namespace korva::prueba {

inline constexpr const char* kTitulo = "0942  Plexo";
inline constexpr const char* kHoy = "15/05/2010";
// What a store says when the working tables no longer hold the declaration.
inline constexpr const char* kTemporalesPerdidas =
    "Los datos de la declaración abierta ya no son los de las tablas de trabajo: otro programa "
    "los eliminó, los volvió a copiar o volvió a crear las tablas. No se grabó ningún cambio. "
    "Cierre el formulario sin grabar y vuelva a abrir la declaración.";

// One debt row as a test writes it: the declaration it belongs to, its key and
// the columns the grids read.
struct Deuda {
  std::string tipo = "01";
  std::string estado = "00";
  std::string periodoDoc = "201001";
  std::string tributo = "010101";
  std::string numero = "1";
  std::string tipoDoc = "001000";
  std::string montoS = "100.00";
  std::string montoC = "100.00";
  std::string acoge = "Null";
  std::string codFor = "0621";
};

// Stand-ins for the detail windows of a debt, which later subsystems build: a
// test registers them and scripts what they do with the request form.
class frmCondeuDetSustituto : public forms::Form {
 public:
  frmCondeuDetSustituto() : forms::Form("frmCondeuDet") {}
};

class FrmNoNotificadaSustituto : public forms::Form {
 public:
  FrmNoNotificadaSustituto() : forms::Form("FrmNoNotificada") {}
};

// The request form over a suite of the host stand-in with the module's tables:
// today is 15/05/2010 at noon, the request form is the window the choosers open,
// and declarations come from a debt file imported through the import window or
// from rows the test writes.
class PruebaSolicitud : public PruebaVentanas {
 protected:
  void SetUp() override {
    PruebaVentanas::SetUp();
    std::filesystem::create_directories(carpeta_ / "archivos");
    FijaHoy(Momento(2010, 5, 15, 12));
    RegistraSolicitud();
  }
  // The stand-ins opened as the program opens the real windows: the reported-debt
  // window afresh, the non-notified-debt window released after it closes.
  void RegistraSustitutos() {
    RegistraVentana(Ventana::frmCondeuDet, [] {
      forms::Release<frmCondeuDetSustituto>();
      forms::Instance<frmCondeuDetSustituto>().Show(forms::vbModal);
    });
    RegistraVentana(Ventana::FrmNoNotificada, [] {
      forms::Instance<FrmNoNotificadaSustituto>().Show(forms::vbModal);
      forms::Release<FrmNoNotificadaSustituto>();
    });
  }

  void TearDown() override {
    RegistraVentana(Ventana::frmCondeuDet, nullptr);
    RegistraVentana(Ventana::FrmNoNotificada, nullptr);
    PruebaVentanas::TearDown();
  }

  // A debt file generated today at 08:00 for the taxpayer and entity, imported
  // through the import window; the declaration's period is 201005.
  void Importa(const std::string& ruc = kRucAndina, int entidad = 1,
               std::function<void(debtfile::Options&)> ajusta = {}) {
    debtfile::Options opciones;
    opciones.ruc = ruc;
    opciones.entity = entidad;
    opciones.generated = Momento(2010, 5, 15, 8);
    if (ajusta) ajusta(opciones);
    ImportaArchivo(debtfile::WriteDebtFile(carpeta_ / "archivos", opciones), ruc, entidad);
  }

  // A debt file already written into the folder "archivos", imported through the
  // import window for the taxpayer and entity.
  void ImportaArchivo(const debtfile::WrittenFile& archivo, const std::string& ruc = kRucAndina,
                      int entidad = 1) {
    FrmImportar& frm = forms::Instance<FrmImportar>();
    frm.Show();
    driver_.Select(frm.CmbRuc, ruc == kRucAndina ? 0 : 1);
    const int codigos[] = {1, 2, 3, 5, 8};
    driver_.Select(frm.CmbEntidad,
                   static_cast<int>(std::find(std::begin(codigos), std::end(codigos), entidad) - codigos));
    driver_.ChooseFolder(frm.flListaFiles, carpeta_ / "archivos");
    driver_.ChooseFile(frm.flListaFiles, std::filesystem::path(archivo.zipPath).filename());
    driver_.Expect({"La importación ha terminado satisfactoriamente", forms::vbInformation,
                    "Importar información de Estado de Adeudos"});
    driver_.Click(frm.CmdGrabar);
    forms::Release<FrmImportar>();
  }

  // A pending declaration of period 201005 written row by row: its header (the
  // good-taxpayer flag in `cheque`), its guarantee row unless `garantia` is
  // empty, and its debts.
  void Declara(const std::string& ruc, int semana, const std::vector<Deuda>& deudas,
               const std::string& cheque = "0", const std::string& garantia = "0") {
    Declaracion d{ruc, "201005", semana, "15/06/2010", "15/07/2010"};
    Ejecuta("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, Semana, bcolibrad, "
            "nrocheque, efectivo, cheque, estado) VALUES (" + Clave(d) +
            ", 0, '15/06/2010', '15/07/2010', " + vb::SqlText(cheque) + ", 0)");
    if (!garantia.empty())
      Ejecuta("INSERT INTO F0942GARANTIA (tip_doc_d, doc_id_d, periodo, formulario, Semana, "
              "ind_garantia, ind_persona, mto_deuda, mto_deuda_garantia) VALUES (" + Clave(d) +
              ", " + vb::SqlText(garantia) + ", ' 01 ', ' 1500.00', '0.00 ')");
    for (const Deuda& deuda : deudas) InsertaDeuda("", Clave(d), deuda);
  }

  void InsertaDeuda(const std::string& prefijo, const std::string& clave, const Deuda& d) {
    Ejecuta("INSERT INTO " + prefijo + "F0942DEUDAS (tip_doc_d, doc_id_d, periodo, formulario, "
            "semana, " + (prefijo == "H" ? "Correl, " : "") + "Ind_tip_deu, per_doc, cod_tri, "
            "Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso, Ind_ver_deu, Fec_des_deu, mto_tributo_s, "
            "mto_int_cap_s, mto_int_s, mto_act_s, ind_acog, ind_conf, mto_tributo_c, mto_act_c, "
            "Ind_impugnado) VALUES (" + clave + ", " + vb::SqlText(d.tipo) + ", " +
            vb::SqlText(d.periodoDoc) + ", " + vb::SqlText(d.tributo) + ", " +
            vb::SqlText(d.numero) + ", " + vb::SqlText(d.codFor) + ", " + vb::SqlText(d.tipoDoc) +
            ", '000000', " + vb::SqlText(d.estado) + ", #05/15/2010 08:00:00#, " +
            vb::SqlText(d.montoS) + ", '0.00', '0.00', " + vb::SqlText(d.montoS) + ", " + d.acoge +
            ", Null, " + vb::SqlText(d.montoC) + ", " + vb::SqlText(d.montoC) + ", '00')");
  }

  // The installer's table steps, run by another program on the suite: the
  // working tables are dropped and made again, empty.
  void InstalaTablas() {
    dao::DatabasePtr db = dao::Engine().OpenDatabase(suite_.databasePath);
    nuvia::CreaTablasModulo(*db);
    db->Close();
  }

  // Another opening of the form, by another program on the suite: the working
  // tables emptied, every stored row copied into them again, as many as before,
  // and the copy marked as that opening's own.
  void CopiaOtraVez() {
    dao::DatabasePtr db = dao::Engine().OpenDatabase(suite_.databasePath);
    for (std::string familia : {"F0942DEUDAS", "F0942MOTIVO", "F0942SUSTEN"}) {
      db->Execute("DELETE FROM TMP_" + familia);
      db->Execute("INSERT INTO TMP_" + familia + " SELECT * FROM " + familia);
    }
    db->Execute("UPDATE TMP_F0942APERTURA SET marca = 'otra apertura'");
    db->Close();
  }

  // One stored box of a pending declaration of period 201005.
  void Casilla(const std::string& ruc, int semana, const std::string& casilla,
               const std::string& valor) {
    Ejecuta("INSERT INTO DET (tip_doc_d, doc_id_d, periodo, formulario, Semana, Casilla, i_valor) "
            "VALUES (" + Clave({ruc, "201005", semana}) + ", " + vb::SqlText(casilla) + ", " +
            vb::SqlText(valor) + ")");
  }

  // Opens the declaration of `ruc` from the chooser of pending (or sent)
  // declarations with "&Actualizar" (or "&Ver Declaración"), runs `durante` on the
  // request form and closes it with "&Salir" if it is still open, answering No
  // when a changed form asks whether to store it. The form must have opened
  // unless `seAbre` says otherwise; with `entidad`, only the row of that
  // entity's name is chosen.
  void Abre(const std::string& ruc, const std::function<void(Frm942&)>& durante,
            bool enviadas = false, bool seAbre = true, const std::string& entidad = "") {
    MDIFrm& principal = Principal();
    bool abierta = false;
    driver_.OnModal<Frm942>([this, durante, &abierta](Frm942& frm) {
      abierta = true;
      durante(frm);
      if (!frm.IsLoaded() || !frm.Visible()) return;
      if (frm.bModificado && giEnviadas == 0) driver_.Expect(PreguntaGuardar(), forms::vbNo);
      driver_.Click(frm.CmdCancelar);
    });
    auto elige = [this, ruc, entidad](SelectorDeclaraciones& selector) {
      forms::DataGrid& grid = selector.grdContrib;
      for (long fila = 0; fila < grid.RowCount(); ++fila)
        if (grid.CellText(fila, 2) == ruc &&
            (entidad.empty() || vb::Trim(grid.CellText(fila, 6)) == entidad))
          driver_.PickRow(grid, fila);
      driver_.Click(selector.CmdOpciones(0));
      if (selector.IsLoaded()) driver_.Click(selector.CmdOpciones(1));
    };
    if (enviadas) {
      driver_.OnModal<FrmContAbrirE>([elige](FrmContAbrirE& s) { elige(s); });
      driver_.ChooseMenu(principal.mnuModificarE);
    } else {
      driver_.OnModal<FrmContAbrir>([elige](FrmContAbrir& s) { elige(s); });
      driver_.ChooseMenu(principal.mnuModificar);
    }
    EXPECT_EQ(abierta, seAbre) << ruc;
  }

  // What "&Salir" and the close box ask of a changed form.
  static forms::MessageBoxCall PreguntaGuardar() {
    return {"¿El formulario ha sido modificado, desea guardar los cambios?",
            forms::vbQuestion + forms::vbYesNoCancel, kTitulo};
  }

  // Types a telephone and today's date, so that tab 0 may be left.
  void Identifica(Frm942& frm) {
    driver_.Type(frm.txtTelefono, "4567890");
    driver_.Type(frm.mkeFechaAcog, "15052010");
  }

  // The rows of a table for the declarant, every column, in key order.
  Filas DeudasDe(const std::string& tabla, const std::string& ruc, const std::string& columnas = "*") {
    return Consulta("SELECT " + columnas + " FROM " + tabla + " WHERE doc_id_d = " +
                    vb::SqlText(ruc) + " ORDER BY per_doc, cod_tri, num_doc");
  }
};

}  // namespace korva::prueba
