#pragma once
// The main window: menus, toolbar and status bar.

#include "platform/forms/common_dialog.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/menu.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/status_bar.h"
#include "platform/forms/toolbar.h"

namespace korva {

// The program's one top-level window, "0942 - Plexo": loading it forces the
// regional separators, reads the settings and opens the database; from then on
// every action starts from its menus and toolbar, each opening one window
// modally. The frame keeps its size and place: it has no minimise or maximise
// box and puts itself back whenever it is resized. Closing it ends the program.
class MDIFrm : public forms::Form {
 public:
  MDIFrm();

  // Opens the contents of the program's help file.
  void MostrarHelp();
  // Writes the decimal "." and thousands "," separators into the user's
  // regional profile, whatever they were; answers True.
  bool ConfiguraInis();

  forms::Menu mnuDeclara{*this, "mnuDeclara"};
  forms::Menu mnuNueva{mnuDeclara, "mnuNueva"};
  forms::Menu mnuModificar{mnuDeclara, "mnuModificar"};
  forms::Menu mnuEliminar{mnuDeclara, "mnuEliminar"};
  forms::Menu Rayita1{mnuDeclara, "Rayita1"};
  forms::Menu mnuImportar{mnuDeclara, "mnuImportar"};
  forms::Menu Rayita2{mnuDeclara, "Rayita2"};
  forms::Menu mnuImprimir{mnuDeclara, "mnuImprimir"};
  forms::Menu mnuCopiar{mnuDeclara, "mnuCopiar"};
  forms::Menu Rayita{mnuDeclara, "Rayita"};
  forms::Menu mnuSalir{mnuDeclara, "mnuSalir"};
  forms::Menu mnuDeclaraE{*this, "mnuDeclaraE"};
  forms::Menu mnuModificarE{mnuDeclaraE, "mnuModificarE"};
  forms::Menu mnuEliminarE{mnuDeclaraE, "mnuEliminarE"};
  forms::Menu mnuImprimirE{mnuDeclaraE, "mnuImprimirE"};
  forms::Menu mnuConsultas{*this, "mnuConsultas"};
  forms::ControlArray<forms::Menu> mnuCons{mnuConsultas, "mnuCons"};
  forms::Menu mnuayuda{*this, "mnuayuda"};
  forms::Menu mnuContenido{mnuayuda, "mnuContenido"};
  forms::Menu mnuBienvenida{mnuayuda, "mnuBienvenida"};
  forms::Menu raya2{mnuayuda, "raya2"};
  forms::Menu mnuAcercade{mnuayuda, "mnuAcercade"};

  forms::Toolbar Toolbar1{*this, "Toolbar1"};
  forms::PictureBox Picture1{*this, "Picture1"};
  forms::PictureBox Image1{Picture1, "Image1"};
  forms::StatusBar BarradeEstadoZEP1{*this, "BarradeEstadoZEP1"};
  forms::CommonDialog CMDlgHlp{*this, "CMDlgHlp"};

 private:
  void DisenaMenus();
  void DisenaBarras();
  void ConectaEventos();

  void MDIForm_Load();
  void MDIForm_Resize();
  void MDIForm_Unload(int& Cancel);
  void MDIForm_MouseMove();
  void Picture1_MouseMove();
  void Toolbar1_ButtonClick(forms::ToolbarButton Button);

  void mnuModificar_Click();
  void mnuEliminar_Click();
  void mnuImportar_Click();
  void mnuImprimir_Click();
  void mnuSalir_Click();
  void mnuModificarE_Click();
  void mnuEliminarE_Click();
  void mnuImprimirE_Click();
  void mnuCons_Click(int Index);
  void mnuAcercade_Click();

  void PosicionaVentana();
  void QuitaBotonesVentana();
  void LlenaBarraEstado();
  void DibujaPortada();
  void AbreSelector(int iModo);
  void AbreSelectorEnviadas(int iModo);
  void FijaContextoAyuda(int iContexto);
};

}  // namespace korva
