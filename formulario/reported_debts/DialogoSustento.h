#pragma once
#include <functional>

namespace korva {

// How the reported-debt window shows the supporting-data dialog of the motive
// gnMotivo: modally, returning once it has closed. The subsystem names it when
// it registers its windows; with none named the user is told, as for any window
// that is not part of this build, that the function is not available.
using AbreDialogoSustento = std::function<void()>;
void FijaDialogoSustento(AbreDialogoSustento abre);
void MuestraDialogoSustento();

}  // namespace korva
