#include "platform/vb/error.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <vector>

namespace vb {
namespace {

std::map<int, std::string>& Texts() {
  static std::map<int, std::string> texts = {
      {3, "Return sin GoSub"},
      {5, "Llamada a procedimiento o argumento no válido"},
      {6, "Desbordamiento"},
      {7, "Memoria insuficiente"},
      {9, "El subíndice está fuera del intervalo"},
      {11, "División por cero"},
      {13, "No coinciden los tipos"},
      {52, "Nombre o número de archivo incorrecto"},
      {53, "No se encontró el archivo"},
      {54, "Modo de archivo incorrecto"},
      {55, "El archivo ya está abierto"},
      {57, "Error de E/S de dispositivo"},
      {58, "El archivo ya existe"},
      {59, "Longitud de registro incorrecta"},
      {61, "Disco lleno"},
      {62, "La entrada pasa del final del archivo"},
      {63, "Número de registro incorrecto"},
      {64, "Nombre de archivo incorrecto"},
      {67, "Demasiados archivos"},
      {68, "Dispositivo no disponible"},
      {70, "Permiso denegado"},
      {71, "El disco no está listo"},
      {74, "No se puede cambiar el nombre con una unidad de disco diferente"},
      {75, "Error de acceso a la ruta o al archivo"},
      {76, "No se ha encontrado la ruta de acceso"},
      {91, "Variable de objeto o bloque With no establecido"},
      {94, "Uso no válido de Null"},
  };
  return texts;
}

struct EndState {
  std::mutex mutex;
  EndBehaviour behaviour = EndBehaviour::Exit;
  EndHookId next = 1;
  std::vector<std::pair<EndHookId, std::function<void()>>> hooks;
};

EndState& State() {
  static EndState state;
  return state;
}

}  // namespace

Error::Error(int number, std::string description, std::string source)
    : std::runtime_error(description.empty() ? ErrorText(number) : description),
      number_(number),
      description_(description.empty() ? ErrorText(number) : std::move(description)),
      source_(std::move(source)) {}

void Raise(int number, std::string description, std::string source) {
  throw Error(number, std::move(description), std::move(source));
}

std::string ErrorText(int number) {
  auto& texts = Texts();
  auto it = texts.find(number);
  if (it != texts.end()) return it->second;
  return "Error definido por la aplicación o por el objeto";
}

void SetErrorText(int number, std::string text) { Texts()[number] = std::move(text); }

void SetEndBehaviour(EndBehaviour behaviour) {
  std::lock_guard lock(State().mutex);
  State().behaviour = behaviour;
}

EndHookId AddEndHook(std::function<void()> hook) {
  std::lock_guard lock(State().mutex);
  EndHookId id = State().next++;
  State().hooks.emplace_back(id, std::move(hook));
  return id;
}

void RemoveEndHook(EndHookId id) {
  std::lock_guard lock(State().mutex);
  auto& hooks = State().hooks;
  std::erase_if(hooks, [id](const auto& entry) { return entry.first == id; });
}

void End(int exitCode) {
  std::vector<std::pair<EndHookId, std::function<void()>>> hooks;
  EndBehaviour behaviour;
  {
    std::lock_guard lock(State().mutex);
    hooks = State().hooks;
    behaviour = State().behaviour;
  }
  for (auto it = hooks.rbegin(); it != hooks.rend(); ++it) {
    try {
      it->second();
    } catch (...) {
      // A failing clean-up must not keep the others from running.
    }
  }
  if (behaviour == EndBehaviour::Throw) throw ProgramEnded{exitCode};
  std::exit(exitCode);
}

}  // namespace vb
