#include "platform/qt/console_host.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "platform/forms/constants.h"
#include "platform/forms/services.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"

namespace formsqt {
namespace {

using namespace forms;
using testsupport::ScopedEnv;

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

// Without a display a program's boxes, its unhandled error and its End all reach
// the console and the exit code.
TEST(ConsoleHostTest, WithoutDisplayTheRunAnswersOnStderrAndEndsWithItsCode) {
  struct Case {
    const char* name;
    std::function<void()> start;
    std::string stderrText;
    int exitCode;
  };
  ScopedEnv x11("DISPLAY", std::nullopt);
  ScopedEnv wayland("WAYLAND_DISPLAY", std::nullopt);
  vb::SetEndBehaviour(vb::EndBehaviour::Throw);
  const Case cases[] = {
      {"box",
       [] {
         bool no = MsgBox("¿Sigue?", vbYesNo + vbDefaultButton2, "Pregunta") == vbNo;
         MsgBox(no ? "No" : "Sí", vbOKOnly, "Respuesta");
       },
       "Pregunta: ¿Sigue?\nRespuesta: No\n", 0},
      {"error", [] { vb::Raise(53); }, vb::App::EXEName() + ": error 53: No se encontró el archivo\n", 1},
      {"end", [] { vb::End(3); }, "", 3},
      {"other", [] { throw std::runtime_error("sin memoria"); }, vb::App::EXEName() + ": sin memoria\n", 1},
  };
  for (const Case& c : cases) {
    std::ostringstream err;
    std::streambuf* before = std::cerr.rdbuf(err.rdbuf());
    int exitCode = RunWithoutWindows(c.start);
    std::cerr.rdbuf(before);
    EXPECT_EQ(err.str(), c.stderrText) << c.name;
    EXPECT_EQ(exitCode, c.exitCode) << c.name;
    EXPECT_EQ(CurrentHost(), nullptr) << c.name;
  }
  vb::SetEndBehaviour(vb::EndBehaviour::Exit);
}

}  // namespace
}  // namespace formsqt
