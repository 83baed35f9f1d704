#pragma once
// The suite's utility component: padding, date checks and key filters.
#include <string>

namespace zep {

// The suite's utility component: one instance serves every window of a program
// for padding column texts, checking typed dates and filtering keys. It keeps no
// state, so its operations give the same answer whoever calls them.
//
// Lengths count characters, never bytes, and key codes are Windows-1252 codes,
// as the windows' KeyPress handlers receive them.
class UtilidadesZEP {
 public:
  // The text cut or filled with blanks on the right to exactly `longitud`
  // characters: the parameter lookups line up their codes in a 12-character
  // column of the combo lists.
  std::string AjustaTexto(const std::string& texto, int longitud) const;

  // The text preceded (RellenaIzquierda) or followed (RellenaDerecha) by the
  // first character of `relleno` as many times as make it `longitud` characters
  // long. A text already that long or longer comes back whole: the listings rely
  // on a long value showing in full rather than losing its end. An empty fill
  // adds nothing.
  std::string RellenaIzquierda(const std::string& texto, int longitud,
                               const std::string& relleno) const;
  std::string RellenaDerecha(const std::string& texto, int longitud,
                             const std::string& relleno) const;

  // Nonzero (-1, the component's True) when `fecha` is a calendar date written
  // dd/mm/yyyy, two digits, two digits and four digits, that lies between the
  // two bounds, both included; the bounds are written the same way. 0 otherwise,
  // also for a bound that is not such a date.
  int ValidaFecha(const std::string& fecha, const std::string& desde,
                  const std::string& hasta) const;

  // A key filter for number boxes: answers the key code to keep, or 0 to drop
  // the key. Digits and Backspace always pass, so the user can correct what he
  // typed; the decimal point passes when `bPunto` is set, the minus sign when
  // `bSigno` is set and the thousands comma when `bComa` is set. Enter and every
  // other key are dropped: the boxes move the focus on Enter before they filter.
  int SoloNumeros(int tecla, bool bPunto, bool bSigno, bool bComa) const;

  // The key code of the same letter in upper case (Windows-1252, so ñ gives Ñ);
  // any other key comes back unchanged.
  int Mayuscula(int tecla) const;
};

}  // namespace zep
