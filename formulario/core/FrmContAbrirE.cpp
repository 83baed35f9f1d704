#include "formulario/core/FrmContAbrirE.h"

namespace korva {

FrmContAbrirE::FrmContAbrirE() : SelectorDeclaraciones("FrmContAbrirE", Lista::Enviadas) {}

}  // namespace korva
