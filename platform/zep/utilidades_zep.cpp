#include "platform/zep/utilidades_zep.h"

#include <optional>

#include "platform/vb/date.h"
#include "platform/vb/strings.h"

namespace zep {
namespace {

constexpr int kTrue = -1;

std::string Repeat(const std::string& relleno, long veces) {
  if (relleno.empty() || veces <= 0) return "";
  return vb::String(veces, relleno);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Number(const std::string& text, std::size_t from, std::size_t count) {
  return std::stoi(text.substr(from, count));
}

// The serial day of a text written exactly dd/mm/yyyy, when it names a day of
// the calendar (31/02 and 00/01 do not).
std::optional<double> DaySerial(const std::string& texto) {
  if (texto.size() != 10 || texto[2] != '/' || texto[5] != '/') return std::nullopt;
  for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
    if (!IsDigit(texto[i])) return std::nullopt;
  int day = Number(texto, 0, 2);
  int month = Number(texto, 3, 2);
  int year = Number(texto, 6, 4);
  if (month < 1 || month > 12 || day < 1) return std::nullopt;
  vb::Date date = vb::DateSerial(year, month, day);
  if (vb::Day(date) != day || vb::Month(date) != month || vb::Year(date) != year)
    return std::nullopt;
  return date.serial;
}

}  // namespace

std::string UtilidadesZEP::AjustaTexto(const std::string& texto, int longitud) const {
  if (longitud <= 0) return "";
  std::string ajustado = vb::Left(texto, longitud);
  return ajustado + vb::Space(longitud - vb::Len(ajustado));
}

std::string UtilidadesZEP::RellenaIzquierda(const std::string& texto, int longitud,
                                            const std::string& relleno) const {
  return Repeat(relleno, longitud - vb::Len(texto)) + texto;
}

std::string UtilidadesZEP::RellenaDerecha(const std::string& texto, int longitud,
                                          const std::string& relleno) const {
  return texto + Repeat(relleno, longitud - vb::Len(texto));
}

int UtilidadesZEP::ValidaFecha(const std::string& fecha, const std::string& desde,
                               const std::string& hasta) const {
  std::optional<double> dia = DaySerial(fecha);
  std::optional<double> primero = DaySerial(desde);
  std::optional<double> ultimo = DaySerial(hasta);
  if (!dia || !primero || !ultimo) return 0;
  return (*dia >= *primero && *dia <= *ultimo) ? kTrue : 0;
}

int UtilidadesZEP::SoloNumeros(int tecla, bool bPunto, bool bSigno, bool bComa) const {
  if (tecla >= '0' && tecla <= '9') return tecla;
  if (tecla == 8) return tecla;
  if (tecla == '.' && bPunto) return tecla;
  if (tecla == '-' && bSigno) return tecla;
  if (tecla == ',' && bComa) return tecla;
  return 0;
}

int UtilidadesZEP::Mayuscula(int tecla) const {
  if (tecla < 1 || tecla > 255) return tecla;
  return vb::Asc(vb::UCase(vb::Chr(tecla)));
}

}  // namespace zep
