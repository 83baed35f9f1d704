#pragma once
// A form with every kind of control the programs use.
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/forms.h"

namespace sample {

// What the sample's handlers saw, in order; the form also shows it in its list.
class EventLog {
 public:
  void Add(std::string entry) { entries_.push_back(std::move(entry)); }
  std::vector<std::string> Take() { return std::exchange(entries_, {}); }
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

// A small modal dialog: an observation and two buttons.
class DialogForm : public forms::Form {
 public:
  DialogForm();

  // What the dialog answered: the observation typed, "" when cancelled.
  std::string observation;

  forms::Label lblObservacion{*this, "lblObservacion"};
  forms::TextBox txtObservacion{*this, "txtObservacion"};
  forms::CommandButton cmdAceptar{*this, "cmdAceptar"};
  forms::CommandButton cmdCancelar{*this, "cmdCancelar"};
};

// A window holding every kind of control the programs use, whose handlers log
// each event they receive: a person sees the log in the window, the tests
// compare it between the Qt windows and the test driver.
class SampleForm : public forms::Form {
 public:
  SampleForm();

  // The database the grid's data control reads (before the first Show).
  void UseDatabase(const std::string& path);
  // The folder the file chooser starts in (before the first Show).
  void UseFolder(const std::string& path);

  EventLog log;

  forms::Menu mnuArchivo{*this, "mnuArchivo"};
  forms::Menu mnuArchivoNuevo{mnuArchivo, "mnuArchivoNuevo"};
  forms::Menu mnuArchivoSep{mnuArchivo, "mnuArchivoSep"};
  forms::Menu mnuArchivoSalir{mnuArchivo, "mnuArchivoSalir"};
  forms::Menu mnuVer{*this, "mnuVer"};
  forms::ControlArray<forms::Menu> mnuOpcion{mnuVer, "mnuOpcion"};
  forms::Menu mnuAyuda{*this, "mnuAyuda"};
  forms::Menu mnuAyudaTemas{mnuAyuda, "mnuAyudaTemas"};
  forms::Toolbar tlbHerramientas{*this, "tlbHerramientas"};

  forms::Frame fraDatos{*this, "fraDatos"};
  forms::Label lblNombre{fraDatos, "lblNombre"};
  forms::TextBox txtNombre{fraDatos, "txtNombre"};
  forms::Label lblImporte{fraDatos, "lblImporte"};
  forms::TextBox txtImporte{fraDatos, "txtImporte"};
  forms::Label lblFecha{fraDatos, "lblFecha"};
  forms::MaskedEdit mskFecha{fraDatos, "mskFecha"};
  forms::Label lblEntidad{fraDatos, "lblEntidad"};
  forms::ComboBox cboEntidad{fraDatos, "cboEntidad"};
  forms::Label lblMeses{fraDatos, "lblMeses"};
  forms::ListBox lstMeses{fraDatos, "lstMeses"};

  forms::Frame fraTipo{*this, "fraTipo"};
  forms::ControlArray<forms::OptionButton> optTipo{fraTipo, "optTipo"};
  forms::CheckBox chkGarantia{fraTipo, "chkGarantia"};

  forms::CommandButton cmdAceptar{*this, "cmdAceptar"};
  forms::CommandButton cmdDialogo{*this, "cmdDialogo"};
  forms::CommandButton cmdCerrar{*this, "cmdCerrar"};
  forms::Label lblEventos{*this, "lblEventos"};
  forms::ListBox lstEventos{*this, "lstEventos"};

  forms::TabControl tabPaginas{*this, "tabPaginas"};
  forms::DataGrid grdDeudas{tabPaginas.Page(0), "grdDeudas"};
  forms::DataControl datDeudas{tabPaginas.Page(0), "datDeudas"};
  forms::ControlArray<forms::PictureBox> picPrevia{tabPaginas.Page(1), "picPrevia"};
  forms::VScrollBar vsbPrevia{tabPaginas.Page(1), "vsbPrevia"};
  forms::HScrollBar hsbPrevia{tabPaginas.Page(1), "hsbPrevia"};
  forms::ProgressBar prgAvance{tabPaginas.Page(1), "prgAvance"};
  forms::FileChooser filArchivo{tabPaginas.Page(2), "filArchivo"};

  forms::StatusBar sbrEstado{*this, "sbrEstado"};
  forms::CommonDialog dlgAyuda{*this, "dlgAyuda"};

  // The page of the preview shown.
  int pagina = 0;

 private:
  void Design();
  void DesignEntries();
  void DesignChoices();
  void DesignCommands();
  void DesignData();
  void DesignPages();
  void DesignBars();
  void Wire();
  void WireEntries();
  void WireChoices();
  void WirePages();
  void WireCommands();
  void Record(std::string entry);
  void DrawPage(forms::PictureBox& page, int number);
  void AddPage();
  void Clear();
  void Grabar();
  void AbrirDialogo();
};

}  // namespace sample
