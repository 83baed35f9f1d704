#include "inserta/Globales.h"

namespace nuvia {

std::string gsSysPath;
dao::DatabasePtr gDB;
bool gbPasoFallido = false;
std::vector<Mensaje>* gMensajesRetenidos = nullptr;

}  // namespace nuvia
