#include "formulario/reported_debts/FormulariosSustento.h"

#include <algorithm>

namespace korva {
namespace {

constexpr int kFormulariosPago[] = {
    1052, 1054, 1062, 1071, 1073, 1075, 1076, 1082, 1083, 1262, 1263, 1272,
    1273, 1274, 1275, 1276, 1662, 1663, 1672, 1673, 1682, 1683, 1692, 1693,
};

constexpr int kFormulariosPosteriores1993[] = {621, 660};

constexpr const char* kFormulariosModificacion[] = {"0194", "1650", "4949"};

constexpr int kFormulariosRectificatoria[] = {
    101, 102, 103, 104, 105, 106, 107, 108, 109, 110,
    111, 112, 113, 114, 115, 116, 117, 118, 119, 120,
    121, 122, 123, 124, 125, 126, 601, 602, 603, 604,
    605, 606, 607, 608, 609, 610, 611, 612, 613, 614,
    615, 616, 617, 618, 619, 620, 621, 622, 623, 624,
    625, 626, 627, 628, 629, 630, 631, 632, 633, 634,
    635, 636, 637, 638, 639, 640, 641, 642, 643, 644,
    645, 646, 647, 648, 649, 650, 660, 661, 662, 663,
    664, 665, 666, 667, 668,
};

}  // namespace

std::span<const int> FormulariosPago() { return kFormulariosPago; }
std::span<const int> FormulariosPosteriores1993() { return kFormulariosPosteriores1993; }
std::span<const char* const> FormulariosModificacion() { return kFormulariosModificacion; }
std::span<const int> FormulariosRectificatoria() { return kFormulariosRectificatoria; }

bool EsFormulario(std::span<const int> lista, double nFormulario) {
  return std::any_of(lista.begin(), lista.end(), [nFormulario](int n) { return n == nFormulario; });
}

bool EsFormulario(std::span<const char* const> lista, const std::string& sFormulario) {
  return std::any_of(lista.begin(), lista.end(),
                     [&sFormulario](const char* s) { return sFormulario == s; });
}

std::string MensajeFormulariosModificacion() {
  std::span<const char* const> lista = FormulariosModificacion();
  std::string sLista;
  for (std::size_t i = 0; i < lista.size(); ++i)
    sLista += (i == 0 ? "" : i + 1 == lista.size() ? " o " : ", ") + std::string(lista[i]);
  return "Sólo puede ingresar los formularios " + sLista + ". Rectifique";
}

}  // namespace korva
