#include "platform/forms/common_dialog.h"

#include "platform/forms/services.h"

namespace forms {

CommonDialog::CommonDialog(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->visible = false;
  common_->tabStop = false;
}

void CommonDialog::SetHelpFile(std::string file) { props_->helpFile = std::move(file); }
void CommonDialog::SetHelpCommand(int command) { props_->helpCommand = command; }
void CommonDialog::SetHelpContext(long context) { props_->helpContext = context; }

void CommonDialog::ShowHelp() {
  forms::ShowHelp(props_->helpFile, props_->helpCommand, props_->helpContext);
}

void CommonDialog::SetAction(int action) {
  if (action == 6) ShowHelp();
}

}  // namespace forms
