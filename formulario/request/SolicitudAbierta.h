#pragma once
// The door through which the detail windows of a debt reach the open request
// form, without its controls.
#include <string>

#include "platform/vb/variant.h"

namespace dao {
class Transaction;
}  // namespace dao

namespace korva {

class Frm942;

// What the request form's row command opened the detail window for: "&Nuevo"
// (Nueva), "&Actualizar", "&Modificar" or a double click on a row (Edicion);
// Ninguna before any and after "&Eliminar", which opens none.
enum class Operacion { Ninguna, Nueva, Edicion };

// The request form's one default instance as the detail windows of a debt see
// it: the declaration's taxpayer and acceptance date, its tabs, the current row
// of each debt grid (1, 2, 3 or 5) by the working debts' column names, and what
// they ask of it after they store.
class SolicitudAbierta {
 public:
  SolicitudAbierta();

  Operacion Modo() const;
  // The taxpayer's RUC: the declarant's item up to its 11th character.
  std::string Ruc() const;
  // The acceptance date as its box holds it, "__/__/____" while empty.
  std::string FechaAcogimiento() const;
  int Pestana() const;
  std::string TituloPestana(int nPestana) const;
  // The help topic of the tab shown.
  long AyudaPestana() const;

  // A column of grid nGrilla's current row: its stored value, and its text as
  // the grid shows it (the period as mm/yyyy, the amounts formatted).
  vb::Variant Valor(int nGrilla, const char* sColumna) const;
  std::string Texto(int nGrilla, const char* sColumna) const;
  // The current row's position from 0, the rows, and a move to another row;
  // IrAPrimeraFila moves to the first row of a grid that has rows.
  long Posicion(int nGrilla) const;
  long Cuenta(int nGrilla) const;
  void IrAFila(int nGrilla, long nPosicion);
  void IrAPrimeraFila(int nGrilla);

  // After a store: the grid read again as a fresh snapshot on its first row,
  // its total recomputed unless it reads "0" (grids 1 to 3), its rows drawn
  // again.
  void RecargaGrilla(int nGrilla);
  void ActualizaTotal(int nGrilla);
  void RefrescaGrilla(int nGrilla);

  // Whether the working tables still hold the open declaration, asked inside
  // the store's transaction (Frm942::VerificaTemporales); and one more working
  // debt to expect once a detail window stored a new one.
  bool VerificaTemporales(dao::Transaction& transaccion, const std::string& sTitulo);
  void CuentaDeudaAgregada();

 private:
  Frm942& frm_;
};

}  // namespace korva
