#include "formulario/request/SolicitudAbierta.h"

#include "formulario/request/Frm942.h"
#include "platform/dao/dao.h"
#include "platform/forms/instance.h"
#include "platform/vb/strings.h"

namespace korva {

SolicitudAbierta::SolicitudAbierta() : frm_(forms::Instance<Frm942>()) {}

// The row commands leave the operation in the form's Tag.
Operacion SolicitudAbierta::Modo() const {
  const std::string& sTag = frm_.Tag();
  if (sTag == "N") return Operacion::Nueva;
  if (sTag == "E") return Operacion::Edicion;
  return Operacion::Ninguna;
}

std::string SolicitudAbierta::Ruc() const {
  const forms::ComboBox& declarantes = frm_.cboNumdoc;
  return vb::Trim(vb::Left(declarantes.List(declarantes.ListIndex()), 11));
}

std::string SolicitudAbierta::FechaAcogimiento() const { return frm_.mkeFechaAcog.Text(); }

int SolicitudAbierta::Pestana() const { return frm_.SSTab1.Tab(); }

std::string SolicitudAbierta::TituloPestana(int nPestana) const {
  return frm_.SSTab1.TabCaption(nPestana);
}

long SolicitudAbierta::AyudaPestana() const { return frm_.SSTab1.HelpContextID(); }

vb::Variant SolicitudAbierta::Valor(int nGrilla, const char* sColumna) const {
  return frm_.TDBGrid(nGrilla).Columns(sColumna).Value();
}

std::string SolicitudAbierta::Texto(int nGrilla, const char* sColumna) const {
  return frm_.TDBGrid(nGrilla).Columns(sColumna).Text();
}

long SolicitudAbierta::Posicion(int nGrilla) const {
  return frm_.Dat(nGrilla).Recordset()->AbsolutePosition();
}

long SolicitudAbierta::Cuenta(int nGrilla) const {
  return frm_.Dat(nGrilla).Recordset()->RecordCount();
}

void SolicitudAbierta::IrAFila(int nGrilla, long nPosicion) {
  frm_.Dat(nGrilla).Recordset()->SetAbsolutePosition(nPosicion);
}

void SolicitudAbierta::IrAPrimeraFila(int nGrilla) {
  const dao::RecordsetPtr& rs = frm_.Dat(nGrilla).Recordset();
  if (rs && !(rs->Bof() && rs->Eof())) rs->MoveFirst();
}

void SolicitudAbierta::RecargaGrilla(int nGrilla) { frm_.CargaTabIndex(nGrilla); }

void SolicitudAbierta::ActualizaTotal(int nGrilla) {
  if (frm_.txtmtototal.Exists(nGrilla) && frm_.txtmtototal(nGrilla).Text() != "0")
    frm_.CalculaMontoTotal(frm_.txtmtototal(nGrilla), nGrilla);
}

void SolicitudAbierta::RefrescaGrilla(int nGrilla) { frm_.TDBGrid(nGrilla).Refresh(); }

bool SolicitudAbierta::VerificaTemporales(dao::Transaction& transaccion,
                                          const std::string& sTitulo) {
  return frm_.VerificaTemporales(transaccion, sTitulo);
}

void SolicitudAbierta::CuentaDeudaAgregada() { ++frm_.nDeudasTemporales; }

}  // namespace korva
