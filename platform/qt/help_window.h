#pragma once
#include <memory>
#include <string>

#include "platform/forms/host.h"

class QTextBrowser;

namespace formsqt {

// The page that stands for a help file: the file itself when it is HTML, else
// the HTML page of the same name beside it (AYUDA.HLP is read as AYUDA.html or
// AYUDA.htm). Backslashes are read as folder separators. Where the file is named
// there is none, the page of that name in `programFolder` (when given) stands
// for it, as the system's help also finds a help file in the program's own
// folder: a program run from where it was built finds its page there. "" when
// there is none.
std::string HelpPageFor(const std::string& file, const std::string& programFolder = {});

// The help window: the help file's HTML page in a browser, scrolled to the
// topic's anchor (the context number as the anchor's name). Esc closes it.
class HelpWindow {
 public:
  HelpWindow();
  ~HelpWindow();

  void Show(const forms::HelpRequest& request);
  QTextBrowser& Browser() { return *browser_; }

 private:
  std::unique_ptr<QTextBrowser> browser_;
};

}  // namespace formsqt
