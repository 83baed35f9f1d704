#include "platform/forms/status_bar.h"

namespace forms {

StatusBar::StatusBar(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->tabStop = false;
  common_->height = 315;
}

void StatusBar::set_numdoc(std::string text) {
  Assign(props_->numdoc, std::move(text), ControlProperty::numdoc);
}

void StatusBar::set_razonsocial(std::string text) {
  Assign(props_->razonsocial, std::move(text), ControlProperty::razonsocial);
}

void StatusBar::set_periodo_ejercicio(std::string text) {
  Assign(props_->periodo, std::move(text), ControlProperty::periodo_ejercicio);
}

void StatusBar::set_formulario(std::string text) {
  Assign(props_->formulario, std::move(text), ControlProperty::formulario);
}

void StatusBar::set_esruc(int value) { Assign(props_->esruc, value, ControlProperty::esruc); }

}  // namespace forms
