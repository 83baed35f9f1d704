#include "inserta/ConsoleHost.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/forms/constants.h"

namespace nuvia {
namespace {

using namespace forms;

TEST(ConsoleHostTest, BoxIsAnsweredWithItsDefaultButton) {
  struct Case {
    int style;
    int answer;
  };
  const Case cases[] = {
      {vbOKOnly, vbOK},
      {vbOKOnly + vbCritical, vbOK},
      {vbYesNo + vbQuestion + vbDefaultButton2, vbNo},
      {vbYesNo + vbQuestion, vbYes},
      {vbYesNoCancel + vbDefaultButton3, vbCancel},
      {vbRetryCancel + vbDefaultButton2, vbCancel},
      {vbOKOnly + vbDefaultButton3, vbOK},
  };
  for (const Case& c : cases) EXPECT_EQ(DefaultAnswer(c.style), c.answer) << c.style;
}

TEST(ConsoleHostTest, BoxIsWrittenAsTitleAndText) {
  std::ostringstream out;
  ConsoleHost host(out);
  host.MsgBox("Debe instalar primero el ZEP ", vbInformation, "Mensaje");
  EXPECT_EQ(out.str(), "Mensaje: Debe instalar primero el ZEP \n");
}

}  // namespace
}  // namespace nuvia
