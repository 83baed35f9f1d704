#include "platform/forms/control_array.h"

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/host.h"

namespace forms::detail {

ArrayBase::ArrayBase(Form& form) : form_(form) { form_.AddArray(this); }
ArrayBase::~ArrayBase() { form_.RemoveArray(this); }
bool ArrayBase::FormEverLoaded() const { return form_.everLoaded_; }
bool ArrayBase::FormLoaded() const { return form_.IsLoaded(); }

void ArrayBase::Announce(Control& element) const {
  if (Host* host = App().host) host->ControlAdded(element);
}

int ArrayBase::NextTabIndex() const { return static_cast<int>(form_.controls_.size()); }

}  // namespace forms::detail
