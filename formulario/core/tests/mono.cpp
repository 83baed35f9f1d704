#include "formulario/core/tests/mono.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <exception>
#include <utility>

#include "formulario/core/Globales.h"
#include "platform/dao/dao.h"
#include "platform/dao/sql_functions.h"
#include "platform/vb/encoding.h"
#include "platform/vb/error.h"

namespace korva::prueba {

namespace {

// The pieces random texts are made of: what a person mistypes into a tax form.
const char* const kPiezas[] = {"0", "1", "7", "9", "123", "2010", "05", "a", "Z", "x", "ñ", "á", "é",
                               "Ñ", " ", "  ", "-", ".", ",", "'", "|", "0.00", "-5", "1,000.50",
                               "99999999999999", "12/2009", "abc"};
const int kTeclas[] = {forms::vbKeyReturn, forms::vbKeyTab,  forms::vbKeyEscape, forms::vbKeyDelete,
                       forms::vbKeyBack,   forms::vbKeyF1,   forms::vbKeySpace,  forms::vbKeyUp,
                       forms::vbKeyDown,   forms::vbKeyHome, forms::vbKeyEnd,    forms::vbKeyPageDown};
constexpr int kLargo = 300;
constexpr int kRecientes = 40;
constexpr int kMensajesPorAccion = 300;
constexpr int kAccionesEnModal = 8;
constexpr int kModalesAnidados = 2;

// Whether a message shows the runtime's own text of an error that bad input
// must never cause (a type mismatch, an invalid use of Null, an index out of
// range...), which a handler caught and put in front of the user.
bool InformaErrorInterno(const std::string& texto) {
  for (int numero : {5, 6, 9, 11, 13, 94, 3021})
    if (texto.find(vb::ErrorText(numero)) != std::string::npos) return true;
  return false;
}

std::string Nombre(const forms::Control& control) {
  std::string nombre = control.Name();
  if (control.Index() >= 0) nombre += "(" + std::to_string(control.Index()) + ")";
  return nombre;
}

// Whether a person still sees `form`, asked of the loaded forms first: an action
// that closed a released form has destroyed it.
bool Abierta(const forms::Form& form) { return forms::IsLoaded(&form) && form.Visible(); }

}  // namespace

Mono::Mono(forms::TestDriver& driver, unsigned semilla) : driver_(driver), azar_(semilla) {
  driver_.AnswerAnyBox([this](const forms::MessageBoxCall& caja) { return Responde(caja); });
  driver_.OnAnyModal([this](forms::Form& form) { JuegaModal(form); });
}

Mono::~Mono() {
  driver_.AnswerAnyBox({});
  driver_.OnAnyModal({});
}

void Mono::Juega(forms::Form& form, int acciones) {
  for (int i = 0; i < acciones && fallos_.empty() && Abierta(form); ++i) {
    mensajesSeguidos_ = 0;
    ++hechas_;
    try {
      Actua(form);
    } catch (const vb::ProgramEnded& fin) {
      Falla("el programa terminó (" + std::to_string(fin.exitCode) + ") tras el mensaje \"" +
            ultimoMensaje_ + "\"");
    } catch (const vb::Error& error) {
      Falla("error " + std::to_string(error.Number()) + " sin manejar: " + error.Description());
    } catch (const std::exception& error) {
      Falla(std::string("excepción: ") + error.what());
    } catch (...) {
      Falla("excepción desconocida");
    }
  }
}

void Mono::Actua(forms::Form& form) {
  std::vector<forms::Control*> alcanzables;
  for (forms::Control* control : form.Controls())
    if (forms::user::CanReach(*control)) alcanzables.push_back(control);
  if (alcanzables.empty() || Azar(6) == 0) return PulsaTecla(form);
  forms::Control& control = *alcanzables[Azar(static_cast<int>(alcanzables.size()))];
  if (Azar(10) == 0) {
    Anota(control.Parent().Name() + "." + Nombre(control) + ": doble clic");
    forms::user::DblClick(control);
    return;
  }
  ActuaSobre(control);
}

void Mono::PulsaTecla(forms::Form& form) {
  int tecla = kTeclas[Azar(std::size(kTeclas))];
  int shift = tecla == forms::vbKeyTab && Azar(3) == 0 ? forms::vbShiftMask : 0;
  Anota(form.Name() + ": tecla " + std::to_string(tecla) + (shift ? " con Mayúsculas" : ""));
  forms::user::Key(form, tecla, shift);
}

void Mono::ActuaSobre(forms::Control& control) {
  std::string nombre = control.Parent().Name() + "." + Nombre(control);
  if (auto* caja = dynamic_cast<forms::TextBox*>(&control)) {
    if (Azar(3) == 0) return Pega(*caja);
    return EscribeEn(control);
  }
  if (dynamic_cast<forms::TextEntry*>(&control)) return EscribeEn(control);
  if (auto* lista = dynamic_cast<forms::ComboBox*>(&control)) {
    if (lista->ListCount() > 0 && Azar(3) != 0) {
      int item = Azar(lista->ListCount());
      Anota(nombre + ": elige " + std::to_string(item));
      forms::user::SelectItem(*lista, item);
    } else if (Azar(2) == 0) {
      Anota(nombre + ": abre la lista");
      forms::user::DropDown(*lista);
    } else {
      EscribeEn(control);
    }
    return;
  }
  if (auto* lista = dynamic_cast<forms::ListBox*>(&control)) {
    if (lista->ListCount() == 0) return;
    int item = Azar(lista->ListCount());
    Anota(nombre + ": elige " + std::to_string(item));
    forms::user::SelectItem(*lista, item);
    return;
  }
  if (auto* fichas = dynamic_cast<forms::TabControl*>(&control)) {
    if (fichas->Tabs() == 0) return;
    int ficha = Azar(fichas->Tabs());
    Anota(nombre + ": ficha " + std::to_string(ficha));
    forms::user::ChooseTab(*fichas, ficha);
    return;
  }
  if (auto* grilla = dynamic_cast<forms::DataGrid*>(&control)) {
    long filas = grilla->RowCount();
    if (filas > 0) {
      long fila = Azar(static_cast<int>(std::min<long>(filas, 1000)));
      Anota(nombre + ": fila " + std::to_string(fila));
      if (!forms::user::ChooseRow(*grilla, fila)) return;
    }
    if (Azar(4) == 0 && grilla->ColumnCount() > 0) {
      int columna = Azar(grilla->ColumnCount());
      Anota(nombre + ": encabezado " + std::to_string(columna));
      forms::user::ClickHeader(*grilla, columna);
    }
    return;
  }
  if (auto* barra = dynamic_cast<forms::Toolbar*>(&control)) {
    if (barra->ButtonCount() == 0) return;
    int boton = 1 + Azar(barra->ButtonCount());
    Anota(nombre + ": botón " + std::to_string(boton));
    forms::user::PressToolbarButton(*barra, boton);
    return;
  }
  if (auto* archivos = dynamic_cast<forms::FileChooser*>(&control)) {
    if (archivos->ListCount() == 0) return;
    std::string archivo = archivos->List(Azar(archivos->ListCount()));
    Anota(nombre + ": archivo " + archivo);
    forms::user::ChooseFile(*archivos, archivo);
    return;
  }
  if (auto* menu = dynamic_cast<forms::Menu*>(&control)) {
    Anota(nombre + ": menú");
    forms::user::ChooseMenu(*menu);
    return;
  }
  Anota(nombre + ": clic");
  forms::user::Click(control);
}

// Pastes a random text as a person does: Ctrl+V, Shift+Insert or the right
// button's menu, so that the box's own key and mouse handlers see it coming.
void Mono::Pega(forms::TextBox& caja) {
  std::string texto = Texto();
  driver_.SetClipboardText(texto);
  std::string nombre = caja.Parent().Name() + "." + Nombre(caja);
  switch (Azar(3)) {
    case 0:
      Anota(nombre + ": pega con el menú \"" + texto + "\"");
      forms::user::ContextPaste(caja);
      return;
    case 1:
      Anota(nombre + ": pega con Ctrl+V \"" + texto + "\"");
      if (forms::user::Focus(caja)) forms::user::Key(caja.Parent(), 'V', forms::vbCtrlMask);
      return;
    default:
      Anota(nombre + ": pega con Mayúsculas+Insert \"" + texto + "\"");
      if (forms::user::Focus(caja)) forms::user::Key(caja.Parent(), forms::vbKeyInsert, forms::vbShiftMask);
      return;
  }
}

void Mono::EscribeEn(forms::Control& control) {
  std::string texto = Texto();
  Anota(control.Parent().Name() + "." + Nombre(control) + ": escribe \"" + texto + "\"");
  if (!control.CanTakeFocus() || !forms::user::Focus(control)) return;
  forms::Form& form = control.Parent();
  for (char32_t letra : vb::DecodeUtf8(texto)) {
    if (!Abierta(form)) return;
    forms::user::Char(form, letra);
  }
}

void Mono::JuegaModal(forms::Form& form) {
  Anota(form.Name() + ": se abre");
  ++profundidad_;
  if (profundidad_ <= kModalesAnidados) Juega(form, kAccionesEnModal);
  if (Abierta(form) && fallos_.empty()) {
    Anota(form.Name() + ": se cierra");
    try {
      forms::user::Close(form);
    } catch (const vb::Error& error) {
      Falla("error " + std::to_string(error.Number()) + " al cerrar: " + error.Description());
    }
  }
  // A window that refuses its close box is hidden, as the end of the script requires.
  if (Abierta(form)) form.Hide();
  --profundidad_;
}

int Mono::Responde(const forms::MessageBoxCall& caja) {
  ++mensajes_;
  ultimoMensaje_ = caja.text;
  if (InformaErrorInterno(caja.text)) Falla("un mensaje informa de un error interno: \"" + caja.text + "\"");
  if (++mensajesSeguidos_ > kMensajesPorAccion)
    throw std::runtime_error("mensajes sin fin: \"" + caja.text + "\"");
  std::vector<int> botones = forms::ButtonsOf(caja.style);
  int respuesta = botones[Azar(static_cast<int>(botones.size()))];
  Anota("MsgBox \"" + caja.text + "\" -> " + std::to_string(respuesta));
  return respuesta;
}

std::string Mono::Texto() {
  std::string texto;
  int largo = Azar(12) == 0 ? kLargo : 1 + Azar(6);
  while (static_cast<int>(texto.size()) < largo) texto += kPiezas[Azar(std::size(kPiezas))];
  return texto;
}

int Mono::Azar(int n) { return std::uniform_int_distribution<int>(0, n - 1)(azar_); }

void Mono::Anota(const std::string& accion) {
  recientes_.push_back(accion);
  if (recientes_.size() > kRecientes) recientes_.erase(recientes_.begin());
}

void Mono::Falla(const std::string& que) {
  std::string fallo = que + "\nlas últimas acciones:";
  for (const std::string& accion : recientes_) fallo += "\n  " + accion;
  fallos_.push_back(std::move(fallo));
}

void Deja(forms::Form& form, forms::CommandButton& salir) {
  if (Abierta(form) && forms::user::CanReach(salir)) forms::user::Click(salir);
  if (Abierta(form)) form.Hide();
}

void CompruebaSano(const Mono& mono) {
  for (const std::string& fallo : mono.Fallos()) ADD_FAILURE() << fallo;
  EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
  ASSERT_TRUE(gDB);
  EXPECT_EQ(IntegridadDe(gDB->connection().Path()), "ok");
}

std::string IntegridadDe(const std::string& ruta) {
  sqlite3* db = nullptr;
  std::string resultado;
  if (sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    dao::RegisterJetSql(db);
    sqlite3_exec(
        db, "PRAGMA integrity_check",
        [](void* salida, int, char** valores, char**) {
          auto& texto = *static_cast<std::string*>(salida);
          texto += (texto.empty() ? "" : "\n") + std::string(valores[0] ? valores[0] : "");
          return 0;
        },
        &resultado, nullptr);
    if (resultado.empty()) resultado = sqlite3_errmsg(db);
  } else {
    resultado = sqlite3_errmsg(db);
  }
  sqlite3_close(db);
  return resultado;
}

}  // namespace korva::prueba
