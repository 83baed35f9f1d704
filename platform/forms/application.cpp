#include "platform/forms/application.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "platform/forms/errors.h"
#include "platform/forms/event.h"
#include "platform/forms/form.h"
#include "platform/forms/host.h"
#include "platform/vb/error.h"

namespace forms {
namespace detail {

void DeliverKeystroke(Form& form, const Keystroke& key);

namespace {

void RegisterErrorTexts() {
  vb::SetErrorText(340, "No existe el elemento de la matriz de controles");
  vb::SetErrorText(360, "El objeto ya está cargado");
  vb::SetErrorText(362, "No se pueden descargar controles creados en tiempo de diseño");
  vb::SetErrorText(380, "El valor de la propiedad no es válido");
  vb::SetErrorText(381, "El índice de la matriz de propiedades no es válido");
  vb::SetErrorText(383, "La propiedad es de sólo lectura");
  vb::SetErrorText(400, "El formulario ya se mostró; no se puede mostrar de forma modal");
}

}  // namespace

void Fail(int number) {
  static const bool registered = (RegisterErrorTexts(), true);
  (void)registered;
  vb::Raise(number);
}

Application::~Application() {
  // Forms being destroyed forget themselves here, so the lists must still live.
  released.clear();
  defaults.clear();
}

Application& App() {
  static Application app;
  return app;
}

Host& RequireHost() {
  if (!App().host) throw std::logic_error("forms: no host attached to show windows");
  return *App().host;
}

// The form stays `active` until the next activation, so that the host hears
// which form (or none) takes its place.
void Application::Forget(Form* form) {
  std::erase(loaded, form);
  std::erase(shown, form);
}

void Application::Activate(Form* form) {
  if (form) {
    std::erase(shown, form);
    shown.push_back(form);
  }
  if (active == form) return;
  Form* previous = active;
  active = form;
  if (host) host->ActiveFormChanged(form);
  if (previous && previous->IsLoaded()) previous->Fire(previous->Deactivate);
  if (form && active == form) form->Fire(form->Activate);
}

void Application::ActivateTopmost() {
  if (active && std::find(shown.begin(), shown.end(), active) != shown.end()) return;
  Activate(shown.empty() ? nullptr : shown.back());
}

void Application::Bury(std::unique_ptr<Form> form) {
  released.push_back(std::move(form));
  if (depth == 0 && modal.empty()) released.clear();
}

void Application::BackInLoop() {
  if (pumping) return;
  pumping = true;
  try {
    while (!input.empty()) {
      Keystroke key = input.front();
      input.pop_front();
      if (active) DeliverKeystroke(*active, key);
    }
  } catch (...) {
    pumping = false;
    throw;
  }
  pumping = false;
  if (depth == 0 && modal.empty()) released.clear();
}

Dispatch::Dispatch() : uncaught_(std::uncaught_exceptions()) { ++App().depth; }

Dispatch::~Dispatch() noexcept(false) {
  Application& app = App();
  --app.depth;
  // An error on its way out leaves the queued keys for the next loop.
  if (std::uncaught_exceptions() > uncaught_) return;
  if (app.depth == app.loopDepth.back()) app.BackInLoop();
}

void StateSlots::Save() {
  for (StateSlot* slot : slots_) slot->Save();
}

void StateSlots::Restore() {
  for (StateSlot* slot : slots_) slot->Restore();
}

void StateSlots::CopyFrom(const StateSlots& other) {
  for (std::size_t i = 0; i < slots_.size() && i < other.slots_.size(); ++i) {
    slots_[i]->CopyFrom(*other.slots_[i]);
  }
}

}  // namespace detail

void SetHost(Host* host) { detail::App().host = host; }
Host* CurrentHost() { return detail::App().host; }

}  // namespace forms
