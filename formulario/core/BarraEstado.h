#pragma once
// The main window's status bar as a service of the core: the windows that list
// declarations show the one in work there without knowing the main window.
#include <functional>
#include <string>

namespace korva {

// What the status bar shows of a declaration: the declarant's document number
// and name, the period and the form code.
struct DeclaracionEnBarra {
  std::string sNumDoc;
  std::string sRazonSocial;
  std::string sPeriodo;
  std::string sFormulario;
};

// The main window registers how its bar is written when it loads (an empty
// function withdraws it); until then MuestraEnBarraEstado writes nothing.
using BarraEstado = std::function<void(const DeclaracionEnBarra&)>;
void RegistraBarraEstado(BarraEstado barra);
void MuestraEnBarraEstado(const DeclaracionEnBarra& declaracion);

}  // namespace korva
