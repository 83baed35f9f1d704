#include "formulario/core/Globales.h"

namespace korva {

dao::DatabasePtr gDB;

std::string gsSysPath;
std::string gsRutaBase;
std::string gsSysUser;
std::string gsRutaRPT;

std::string gsPeriodo;
std::string gsPeriodoMMAAAA;
std::uint8_t gnSemana = 0;
std::string gsRuc;
std::string gsRazonSocial;
std::string gsCorrel;
std::string gsFechaVenc;
std::string gsFecVencRenta;
std::string gsBuenContrib;
std::uint8_t gnRucDelito = 0;
std::string gsPeriodoLimite;

int giModo = 0;
int giEnviadas = 0;

int giIndexGrid = 0;
bool gbGrabado = false;
std::uint8_t gnMotivo = 0;
std::string gsCodTipDoc;
bool gbOfreceSiguiente = false;

std::string gsTIM;

std::string gsIndGarantia;
std::string gsIndPersona;
std::string gsMtoDeuda;
std::string gsMtoDeudaGarantia;
std::string gsGarantia;
std::string gsTipoPersona;

int giInconsistencia = 0;
int giGrabando = 0;
bool gbFormCargado = false;

std::string gsTipoConsulta;

std::string gsMensaje;
std::string gsSQL;

zep::UtilidadesZEP gUtil;

void ReiniciaGlobales() {
  gDB.reset();
  gsSysPath = gsRutaBase = gsSysUser = gsRutaRPT = "";
  gsPeriodo = gsPeriodoMMAAAA = gsRuc = gsRazonSocial = gsCorrel = "";
  gsFechaVenc = gsFecVencRenta = gsBuenContrib = gsPeriodoLimite = "";
  gnSemana = gnRucDelito = gnMotivo = 0;
  giModo = giEnviadas = giIndexGrid = giInconsistencia = giGrabando = 0;
  gbGrabado = gbFormCargado = gbOfreceSiguiente = false;
  gsCodTipDoc = gsTIM = "";
  gsIndGarantia = gsIndPersona = gsMtoDeuda = gsMtoDeudaGarantia = "";
  gsGarantia = gsTipoPersona = gsTipoConsulta = gsMensaje = gsSQL = "";
}

}  // namespace korva
