#pragma once
#include <string>

#include "platform/forms/control.h"

namespace forms {

// The suite's status bar: the declarant's document number and name, the period
// and the form code of the declaration in work, and whether the document is a
// RUC, under the property names the suite's windows write.
class StatusBar : public Control {
 public:
  StatusBar(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "StatusBar"; }

  const std::string& numdoc() const { return props_->numdoc; }
  void set_numdoc(std::string text);
  const std::string& razonsocial() const { return props_->razonsocial; }
  void set_razonsocial(std::string text);
  const std::string& periodo_ejercicio() const { return props_->periodo; }
  void set_periodo_ejercicio(std::string text);
  const std::string& formulario() const { return props_->formulario; }
  void set_formulario(std::string text);
  int esruc() const { return props_->esruc; }
  void set_esruc(int value);

 private:
  struct Props {
    std::string numdoc;
    std::string razonsocial;
    std::string periodo;
    std::string formulario;
    int esruc = 0;
  };
  Persistent<Props> props_{Slots()};
};

}  // namespace forms
