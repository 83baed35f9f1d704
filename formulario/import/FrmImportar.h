#pragma once
// The debt-file import window and its run.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "platform/dao/transaction.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/file_chooser.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/progress_bar.h"
#include "platform/forms/text_box.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/variant.h"

namespace korva {

// The window in which the user imports the personalised debt file of a taxpayer
// and a creditor entity: he picks the declarant, the entity and the folder, and
// the file list shows only the zip named for that pair. "&Aceptar" unzips it,
// proves the text inside genuine by its digest and loads one debt row per line,
// then the declaration's header, box and guarantee rows, all in one transaction.
// A folder and file chooser stands in for the drive, folder and file lists.
class FrmImportar : public forms::Form {
 public:
  FrmImportar();

  // "0942" followed by the RUC and the entity code when the RUC has exactly 11
  // characters and the code exactly one; otherwise "". The zip's name is this
  // stem followed by ".zip".
  std::string KeyNombreArchivo(const std::string& sRuc, const std::string& sEntidad) const;

  // Loads one line of the debt file as one F0942DEUDAS row inside the caller's
  // transaction. False when nothing was stored: bFechaHoy then tells a file
  // generated before today (False) from any other failure (True).
  bool CargaTablaValor(const std::string& sCadenaNoEncryp);

  // Field `PosCampo` ("0" to "26") of a line, trimmed; "" when the line has no
  // such field. The scan is byte-sized as the file format was defined: a field
  // of more than 254 characters raises overflow (6).
  std::string RetornaCampo(const std::string& sCadenaNoEncryp, std::string_view PosCampo) const;

  // Hands every line of the extracted file to CargaTablaValor, first line first,
  // and stops at the first refusal with its message. True when every line was
  // stored. `sClave` is not used; `oForm` is the window whose pointer is set.
  bool DesencriptaArch(const std::string& sNomarch, const std::string& sClave, forms::Form& oForm);

  // Deletes the file when it exists; a failure to delete is ignored. `Direct` is
  // not used.
  void BorroErr(const std::string& sArc, const std::string& Direct);

  forms::Frame Frame2{*this, "Frame2"};
  forms::ControlArray<forms::Label> Label1{*this, "Label1"};
  forms::ComboBox CmbRuc{Frame2, "CmbRuc"};
  forms::TextBox txtNombre{Frame2, "txtNombre"};
  forms::ComboBox CmbEntidad{Frame2, "CmbEntidad"};
  forms::Frame Frame1{*this, "Frame1"};
  forms::FileChooser flListaFiles{Frame1, "flListaFiles"};
  forms::CommandButton CmdGrabar{*this, "CmdGrabar"};
  forms::CommandButton CmdCancelar{*this, "CmdCancelar"};
  forms::Frame Frame3{*this, "Frame3"};
  forms::ProgressBar pbar1{Frame3, "pbar1"};
  forms::Label lblbar1{Frame3, "lblbar1"};

  // False just before the lines are loaded, True right after the commit.
  bool GS_CARGA_OK = false;

  // What the last line loaded left for the run: the reason of a refusal and the
  // guarantee values of fields 23 to 26.
  bool bFechaHoy = true;
  std::string sIndGarantia;
  std::string sIndPersona;
  std::string sMtoDeuda;
  std::string sMtoDeudaGarantia;

 private:
  void DisenaControles();
  void DisenaArchivo();
  void DisenaProgreso();
  void ConectaEventos();

  void Form_Load();
  void Form_Activate();
  void CmbRuc_Click();
  void CmbEntidad_Click();
  void CmbRuc_KeyPress(int& KeyAscii);
  void flListaFiles_KeyPress(int& KeyAscii);
  void CmdCancelar_Click();

  void CmdGrabar_Click();
  void FallaImportacion(const vb::Error& error, std::optional<dao::Transaction>& transaccion);
  bool ArchivoVerificado();
  void ImportaArchivo(dao::Transaction& transaccion);
  bool EleccionCompleta();
  std::string RutaZip() const;
  bool ExtraeArchivo(const std::string& sZip, const std::string& sCarpeta);
  bool DigestoValido(const std::string& sArchivo);
  bool CargaArchivo(const std::string& sArchivo);
  bool GrabaTablasSistema(dao::Transaction& transaccion);
  // The box of a database error that stopped the load (title "Error tecnico : "
  // and its number): a full disk or a database that cannot be written says so
  // in the engine's words; any other is the technical error the user reports.
  static void MuestraErrorTecnico(const vb::Error& error);
  void DisenoEnProceso();
  void RestauraDiseno();
  void MuestraPaso(int iValor, const std::string& sTexto);

  // The declaration's key columns, which every row the import writes begins with.
  struct CamposClave {
    explicit CamposClave(dao::Recordset& rs);
    dao::Field& tip_doc_d;
    dao::Field& doc_id_d;
    dao::Field& periodo;
    dao::Field& Formulario;
    dao::Field& Semana;
  };
  // The columns of the debt row a line fills, looked up once for all the lines
  // of the run's dynaset.
  struct CamposDeuda {
    explicit CamposDeuda(dao::Recordset& rs);
    CamposClave clave;
    dao::Field& ind_tip_deu;
    dao::Field& per_doc;
    dao::Field& cod_tri;
    dao::Field& num_doc;
    dao::Field& cod_for;
    dao::Field& cod_tip_doc;
    dao::Field& cod_tri_aso;
    dao::Field& ind_ver_deu;
    dao::Field& Fec_ult_cap;
    dao::Field& fec_des_deu;
    dao::Field& num_cuo;
    dao::Field& num_pro;
    dao::Field& Num_ord_dj;
    dao::Field& mto_tributo_s;
    dao::Field& mto_int_cap_s;
    dao::Field& mto_int_s;
    dao::Field& mto_act_s;
    dao::Field& mto_tributo_c;
    dao::Field& mto_int_cap_c;
    dao::Field& mto_int_c;
    dao::Field& mto_act_c;
    dao::Field& Ind_impugnado;
    dao::Field& ind_acog;
    dao::Field& cNumero;
  };

  bool CargaLinea(const std::string& sLinea);
  dao::Recordset& DeudasParaAgregar();
  void CierraDeudas();
  bool AsignaDeuda(const std::string& sLinea, const std::string& sRuc, dao::Recordset& rs, CamposDeuda& campos);
  void AsignaClave(const CamposClave& clave, const std::string& sRuc, std::uint8_t nSemana);
  void AsignaPeriodo(const std::string& sFecha);
  void AsignaDeudaNormal(const std::string& sLinea, CamposDeuda& campos);
  void AsignaOtrasDeudas(const std::string& sLinea, CamposDeuda& campos);
  vb::Variant FechaDescarga(const std::string& sLinea);
  std::string_view CampoEnLinea(const std::string& sCadenaNoEncryp, std::string_view PosCampo) const;
  void AsignaMontosArchivo(const std::string& sLinea, CamposDeuda& campos, const char* sPosIntCap,
                         const char* sPosInt);
  void AsignaValoresArchivo(const std::string& sLinea, CamposDeuda& campos);
  void AplicaBuenContribuyente(CamposDeuda& campos);

  std::string RucSeleccionado() const;

  // Set on the first activation; False after loading when no declarant exists.
  bool bHayDeclarantes = false;

  // The file the run in progress extracted, which it deletes on every road out.
  std::string sArchivoExtraido_;
  // The period the first line of the file gave; every later line must match it.
  std::string sPeriodoArchivo_;
  // The dynaset the lines of the run add their rows through, and its database.
  dao::RecordsetPtr rsDeudas_;
  const dao::Database* dbDeudas_ = nullptr;
  std::optional<CamposDeuda> camposDeudas_;
  // The declaration the lines of the run found not imported yet, kept while the
  // dynaset above stays open; see NoImportadaAun.
  struct ClaveDeclaracion {
    std::string sRuc;
    std::string sPeriodo;
    std::uint8_t nSemana = 0;
    bool operator==(const ClaveDeclaracion&) const = default;
  };
  std::optional<ClaveDeclaracion> noImportada_;
  bool NoImportadaAun(const std::string& sRuc);

  // Field 15 is the same on every line of a file: its two readings as dates are
  // kept from the line before rather than formatted again for each line, and so
  // is the date each reads as.
  struct FormatoRecordado {
    explicit FormatoRecordado(std::string patron) : sPatron(std::move(patron)) {}
    std::string sPatron;
    std::string sEntrada;
    std::string sSalida;
    bool bHay = false;
    bool bLeida = false;
    std::optional<vb::Date> dFecha;
    const std::string& Aplica(const std::string& sTexto);
    // CDate of the last output; a text that is no date raises 13 every time.
    vb::Date Fecha();
    // What a date column is given for `sTexto` formatted: the date it reads as,
    // or the text itself when it reads as none, which the column then refuses
    // as it refuses any such text.
    vb::Variant Valor(const std::string& sTexto);
    void LeeFecha();
  };
  FormatoRecordado fechaArchivo_{"dd/mm/yyyy"};
  FormatoRecordado momentoArchivo_{"dd/mm/yyyy hh:mm:ss"};
  // The date and time of field 15 as the download date takes them, in a text
  // kept between lines.
  std::string sMomento_;

  // The last capitalisation date (field 6) repeats from line to line: what its
  // column is given, the date its text reads as or the text itself, is kept for
  // the last text read.
  struct FechaRecordada {
    std::string sCampo;
    vb::Variant valor;
    bool bHay = false;
    const vb::Variant& Valor(const std::string& sTexto);
  };
  FechaRecordada ultimaCapitalizacion_;

  // The byte offsets of the "|"s of the line last taken apart by RetornaCampo,
  // found in one pass when it is taken, of which the searches so far reached
  // the first `nVistos`; and, once the search after the last of them found none
  // or overflowed, which.
  struct SeparadoresDeLinea {
    std::string sLinea;
    // The line CargaLinea is loading, whose separators these are for as long as
    // it loads it: a field asked of it needs no comparison of the whole line.
    const std::string* pEnCarga = nullptr;
    std::vector<std::size_t> nFines;
    std::size_t nVistos = 0;
    bool bTerminada = false;
    bool bDesborda = false;
    // Where the pass ended: at a search that found none or overflowed (which
    // the searches see once they reach it) or at the most a field asks for.
    bool bAgotada = false;
    bool bDesbordaAlFinal = false;
    bool bLeida = false;
    void Empieza(const std::string& sTexto);
    void LeeHasta(std::size_t nCuantos);
  };
  mutable SeparadoresDeLinea separadores_;
};

}  // namespace korva
