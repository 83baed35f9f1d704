// The wait of the tests that drive windows, on the sample's modal dialog shown
// by the Qt host offscreen.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>

#include "platform/forms/forms.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/run.h"
#include "platform/qt/sample/sample_form.h"
#include "platform/qt/tests/test_application.h"
#include "platform/testsupport/window_wait.h"

namespace testsupport {
namespace {

class WindowWait : public ::testing::Test {
 protected:
  WindowWait() {
    formsqt::testing::StartApplication();
    forms::ResetApplication();
  }
  ~WindowWait() override {
    forms::ResetApplication();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

// A slow Load that lets the events run, as the request form's does: the step
// armed before the dialog opens does not run there but once the dialog is up,
// active and its box holds the focus, so that the keys it types reach the box.
TEST_F(WindowWait, AStepRunsOnceItsDialogIsUpNotInADoEventsOfItsLoad) {
  sample::DialogForm dialog;
  int doEvents = 0;
  dialog.Load = [&doEvents] {
    QElapsedTimer loading;
    loading.start();
    while (loading.elapsed() < 100) doEvents += forms::DoEvents() > 0;
  };
  bool loadedAtStep = false;
  When(
      "the dialog's box with the focus", [&dialog] { return TakesKeys(dialog.txtObservacion); },
      [&] {
        loadedAtStep = dialog.IsFullyLoaded();
        QTest::keyClicks(QApplication::focusWidget(), "hola");
        auto* host = dynamic_cast<formsqt::QtHost*>(forms::CurrentHost());
        QTest::mouseClick(host->WidgetOf(dialog.cmdAceptar), Qt::LeftButton);
      });
  EXPECT_EQ(formsqt::Run([&dialog] { dialog.Show(forms::vbModal); }), 0);
  EXPECT_GT(doEvents, 0);
  EXPECT_TRUE(loadedAtStep);
  EXPECT_EQ(dialog.observation, "hola");
}

// What waits for a person when the window never comes: the test fails naming
// the window and the loop is left (the call returns), so that the test ends.
TEST_F(WindowWait, AWindowThatNeverComesFailsTheTestByNameAndLeavesTheLoopWaiting) {
  sample::DialogForm dialog;
  struct Case {
    const char* waiting;
    std::function<void()> open;
  };
  const Case cases[] = {
      {"a modal form", [&dialog] { dialog.Show(forms::vbModal); }},
      {"a message box", [] { forms::MsgBox("¿Continúa?", forms::vbYesNo + forms::vbQuestion); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.waiting);
    formsqt::QtHost host;
    bool stepRan = false;
    When("the window frmNunca", [] { return false; }, [&stepRan] { stepRan = true; },
         std::chrono::milliseconds(200));
    bool returned = true;
    EXPECT_NONFATAL_FAILURE(returned = host.Call(c.open),
                            "waited 200 ms for the window frmNunca, which never came");
    EXPECT_FALSE(returned);
    EXPECT_FALSE(stepRan);
    forms::Unload(dialog);
  }
}

}  // namespace
}  // namespace testsupport
