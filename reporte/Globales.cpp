#include "reporte/Globales.h"

namespace tarvel {

dao::DatabasePtr gDB;
std::string gsSQL;
std::string gsDBPath;
std::string gsDBName;
std::string gsSysUser;
std::string gsRutaBase;
std::string gsRutaRPT;
std::string gsRutaTMP;
std::string gsRuc;
std::string gsPeriodo;
std::string gsSemana;
std::string gsCola;
std::array<std::string, kUltimaCasilla + 1> gsCasillas;
std::string gsEntidad;
int giCasillaBase = 0;
int giCasillaAplaz = 0;
std::string gsRazonSocial;
std::string gsArchivoTexto;
std::string gsArchivoSpool;
int giArchivo = 0;
int giPagina = 0;
int giLineas = 0;
std::int16_t giPosY = 0;
std::string gsLinea;

void ReiniciaGlobales() {
  gDB.reset();
  gsSQL = gsDBPath = gsDBName = gsSysUser = gsRutaBase = gsRutaRPT = gsRutaTMP = "";
  gsRuc = gsPeriodo = gsSemana = gsCola = "";
  gsCasillas.fill("");
  gsEntidad = gsRazonSocial = gsArchivoTexto = gsArchivoSpool = gsLinea = "";
  giCasillaBase = giCasillaAplaz = giArchivo = giPagina = giLineas = 0;
  giPosY = 0;
}

}  // namespace tarvel
