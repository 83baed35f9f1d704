#include "formulario/spool/GlobalesImpresion.h"

namespace korva {

int giArchivo = 0;
std::string gsArchivoReporte;
std::string gsNroHojas;
int giLinea = 0;
int giNroHoja = 0;
int giHoja = 0;
std::int16_t giPosY = 0;
int giAnchoReporte = 0;
std::string gsSalida;
vb::Variant gvLetra;
vb::Variant gvTamano;
vb::Variant gvNegrita;
int giPagDesde = 0;
int giPagHasta = 0;
bool gbRangoPag = false;
std::array<std::string, 900> gsCasillas;
std::string gsDesFormaPago;
int giCopias = 0;
int giHojaAnexo = 0;
std::uint8_t gnTamanoListado = 0;

void ReiniciaGlobalesImpresion() {
  giArchivo = giLinea = giNroHoja = giHoja = giAnchoReporte = 0;
  giPosY = 0;
  gsArchivoReporte = gsNroHojas = gsSalida = "";
  gvLetra = gvTamano = gvNegrita = vb::Variant();
  giPagDesde = giPagHasta = 0;
  gbRangoPag = false;
  gsCasillas.fill("");
  gsDesFormaPago = "";
  giCopias = giHojaAnexo = 0;
  gnTamanoListado = 0;
}

}  // namespace korva
