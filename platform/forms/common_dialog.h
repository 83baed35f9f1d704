#pragma once
#include <string>

#include "platform/forms/control.h"

namespace forms {

// The common dialog as the windows use it: to open the help file. It is never
// shown on the form.
class CommonDialog : public Control {
 public:
  CommonDialog(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "CommonDialog"; }

  const std::string& HelpFile() const { return props_->helpFile; }
  void SetHelpFile(std::string file);
  int HelpCommand() const { return props_->helpCommand; }
  void SetHelpCommand(int command);
  long HelpContext() const override { return props_->helpContext; }
  void SetHelpContext(long context);
  // Opens the help file with the command and topic set.
  void ShowHelp();
  // Action 6 is ShowHelp; the other dialogs are not used.
  void SetAction(int action);

 private:
  struct Props {
    std::string helpFile;
    int helpCommand = 0;
    long helpContext = 0;
  };
  Persistent<Props> props_{Slots()};
};

}  // namespace forms
