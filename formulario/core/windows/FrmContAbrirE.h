#pragma once
// The chooser of sent declarations.

#include "formulario/core/windows/FrmContAbrir.h"

namespace korva {

// The chooser of sent declarations, opened from "&Ver declaraciones enviadas"
// and "&Eliminar" under "Declaraciones &Enviadas": the same window as the chooser
// of pending ones, over the history tables and keyed also by the correlative.
class FrmContAbrirE final : public SelectorDeclaraciones {
 public:
  FrmContAbrirE();
};

}  // namespace korva
