#include "formulario/core/windows/FrmContAbrirE.h"

namespace korva {

FrmContAbrirE::FrmContAbrirE() : SelectorDeclaraciones("FrmContAbrirE", Lista::Enviadas) {}

}  // namespace korva
