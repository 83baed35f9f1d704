#pragma once
// The sample form shown by the Qt host, for the renderer's tests.
#include <gtest/gtest.h>

#include <optional>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "platform/forms/forms.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/sample/sample_data.h"
#include "platform/qt/sample/sample_form.h"
#include "platform/qt/tests/test_application.h"
#include "platform/testsupport/window_wait.h"

namespace formsqt::testing {

// The sample form shown by the Qt host, its database and folder in a
// temporary folder.
class SampleWindow : public ::testing::Test {
 protected:
  SampleWindow() {
    StartApplication();
    forms::ResetApplication();
    host.emplace();
    form.emplace();
    form->UseDatabase(sample::CreateSampleDatabase(folder.Path()));
    form->UseFolder(folder.Path());
  }

  ~SampleWindow() override {
    form.reset();
    forms::ResetApplication();
    host.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void ShowForm() {
    form->Show();
    ASSERT_TRUE(ActiveAfterWaiting());
    form->log.Take();
  }

  // The focused widget once the form's window is active (after a message box,
  // the window system gives the activation back a little later).
  QWidget* Focused() const {
    EXPECT_TRUE(ActiveAfterWaiting());
    return QApplication::focusWidget();
  }
  bool ActiveAfterWaiting() const {
    return testsupport::WaitUntil("the window frmMuestra", [this] { return testsupport::IsActive(*form); });
  }

  QWidget* WidgetOf(const forms::Control& control) const { return host->WidgetOf(control); }
  template <class W>
  W* WidgetOf(const forms::Control& control) const {
    return qobject_cast<W*>(host->WidgetOf(control));
  }

  TempFolder folder;
  std::optional<QtHost> host;
  std::optional<sample::SampleForm> form;
};

}  // namespace formsqt::testing
