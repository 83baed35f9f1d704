#pragma once
// A person who knows nothing of a window, throwing random actions at it.
#include <random>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"

namespace korva::prueba {

// From a fixed seed, types random texts (digits, letters, accented letters,
// blanks, signs, very long texts) into the boxes, presses Enter, Tab, Escape,
// Delete and Backspace, pastes, clicks buttons and options, chooses items,
// tabs and rows, on whatever a person can reach of the window, and answers
// every message box with one of its buttons. A modal window opened along the
// way gets a few actions of its own and is then closed. The same seed makes
// the same actions.
class Mono {
 public:
  Mono(forms::TestDriver& driver, unsigned semilla);
  ~Mono();
  Mono(const Mono&) = delete;
  Mono& operator=(const Mono&) = delete;

  // Up to `acciones` actions on `form`; the run stops early when the form closes
  // or something escapes the window's handlers (kept in Fallos).
  void Juega(forms::Form& form, int acciones);

  // What went wrong, each with the actions that led to it: an error that no
  // handler took, another exception, the program ended.
  const std::vector<std::string>& Fallos() const { return fallos_; }
  int Acciones() const { return hechas_; }
  // Whether the person goes on: fewer than `acciones` made and nothing failed.
  bool Sigue(int acciones) const { return hechas_ < acciones && fallos_.empty(); }
  int Mensajes() const { return mensajes_; }

 private:
  void Actua(forms::Form& form);
  void ActuaSobre(forms::Control& control);
  void PulsaTecla(forms::Form& form);
  void EscribeEn(forms::Control& control);
  void Pega(forms::TextBox& caja);
  void JuegaModal(forms::Form& form);
  int Responde(const forms::MessageBoxCall& caja);
  std::string Texto();
  int Azar(int n);
  void Anota(const std::string& accion);
  void Falla(const std::string& que);

  forms::TestDriver& driver_;
  std::mt19937 azar_;
  std::vector<std::string> recientes_;
  std::vector<std::string> fallos_;
  std::string ultimoMensaje_;
  int hechas_ = 0;
  int mensajes_ = 0;
  int mensajesSeguidos_ = 0;
  int profundidad_ = 0;
};

// Leaves `form` with its `salir` button when the person has not left it and can
// reach the button, and hides it when it still stands, as a script must.
void Deja(forms::Form& form, forms::CommandButton& salir);

// What must hold after a run of `mono`: nothing escaped the window's handlers,
// no transaction is left open and the database file is sound.
void CompruebaSano(const Mono& mono);

// Whether SQLite finds the database file sound ("ok", else its complaints).
std::string IntegridadDe(const std::string& ruta);

}  // namespace korva::prueba
