#pragma once
// The default instances of form classes.
#include <memory>
#include <typeindex>

#include "platform/forms/application.h"
#include "platform/forms/form.h"

namespace forms {

// The default instance of a form class, as the windows' code names a form by its
// class (Frm942.SSTab1.Tab): created on first use and loaded by every use.
template <class T>
T& Instance() {
  auto& slot = detail::App().defaults[std::type_index(typeid(T))];
  if (!slot) slot = std::make_unique<T>();
  T& form = static_cast<T&>(*slot);
  Load(form);
  return form;
}

// The default instance if it exists and is loaded, without loading it.
template <class T>
T* LoadedInstance() {
  auto& defaults = detail::App().defaults;
  auto it = defaults.find(std::type_index(typeid(T)));
  if (it == defaults.end() || !it->second || !it->second->IsLoaded()) return nullptr;
  return static_cast<T*>(it->second.get());
}

// Unloads the default instance if it is loaded; its object, and so the form's own
// member variables, stay for the next use.
template <class T>
bool Unload() {
  T* form = LoadedInstance<T>();
  return !form || Unload(*form);
}

// Unloads the default instance and lets it go, so that the next use builds a
// fresh one. An unload that QueryUnload or Unload cancels keeps the instance.
// The object itself is destroyed once no handler is running any more.
template <class T>
void Release() {
  auto& defaults = detail::App().defaults;
  auto it = defaults.find(std::type_index(typeid(T)));
  if (it == defaults.end() || !it->second) return;
  if (!Unload(*it->second)) return;
  std::unique_ptr<Form> released = std::move(it->second);
  defaults.erase(it);
  detail::App().Bury(std::move(released));
}

}  // namespace forms
