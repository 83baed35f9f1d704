#include "platform/qt/bar_views.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/forms/user.h"
#include "platform/qt/form_window.h"
#include "platform/qt/strings.h"
#include "platform/qt/units.h"

namespace formsqt {

namespace {

// The widgets of bars placed on the form itself span its inside.
bool OnTheForm(const forms::Control& control) { return control.Container() == nullptr; }

}  // namespace

ToolbarView::ToolbarView(FormWindow& window, forms::Toolbar& toolbar)
    : ControlView(window, toolbar), bar_(new QToolBar) {
  bar_->setMovable(false);
  bar_->setFloatable(false);
  bar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  Adopt(bar_);
}

QRect ToolbarView::Placement() const {
  QRect own = ControlView::Placement();
  if (!OnTheForm(*control_)) return own;
  return QRect(0, own.top(), Window().Client()->width(), own.height());
}

QAction* ToolbarView::ActionOf(int index) const {
  return index >= 1 && index <= static_cast<int>(actions_.size()) ? actions_[index - 1] : nullptr;
}

void ToolbarView::SyncOwn() {
  forms::Toolbar& toolbar = Model();
  while (static_cast<int>(actions_.size()) < toolbar.ButtonCount()) {
    int index = static_cast<int>(actions_.size()) + 1;
    QAction* action = bar_->addAction(QString());
    connect(action, &QAction::triggered, this, [this, index] { Pressed(index); });
    actions_.push_back(action);
  }
  for (int index = 1; index <= toolbar.ButtonCount(); ++index) {
    forms::ToolbarButton button = toolbar.Buttons(index);
    QAction* action = actions_[index - 1];
    std::string text = !button.Caption().empty() ? button.Caption() : button.ToolTipText();
    action->setSeparator(button.Style() == forms::tbrSeparator);
    action->setText(ToQString(text.empty() ? button.Key() : text));
    action->setToolTip(ToQString(button.ToolTipText()));
    action->setEnabled(button.Enabled());
    action->setVisible(button.Visible() && button.Style() != forms::tbrPlaceholder);
    action->setCheckable(button.Style() == forms::tbrCheck);
    action->setChecked(button.Value());
  }
  for (QToolButton* part : bar_->findChildren<QToolButton*>()) part->setFocusPolicy(Qt::NoFocus);
}

void ToolbarView::Pressed(int index) {
  if (!control_) return;
  forms::Toolbar& toolbar = Model();
  Call([&] { forms::user::PressToolbarButton(toolbar, index); });
  if (control_) SyncOwn();
}

StatusBarView::StatusBarView(FormWindow& window, forms::StatusBar& bar)
    : ControlView(window, bar),
      bar_(new QStatusBar),
      numdoc_(new QLabel),
      razonsocial_(new QLabel),
      periodo_(new QLabel),
      formulario_(new QLabel) {
  bar_->setSizeGripEnabled(false);
  for (QLabel* panel : {numdoc_, razonsocial_, periodo_, formulario_}) {
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
  }
  bar_->addWidget(numdoc_);
  bar_->addWidget(razonsocial_, 1);
  bar_->addWidget(periodo_);
  bar_->addWidget(formulario_);
  Adopt(bar_);
}

QRect StatusBarView::Placement() const {
  QRect own = ControlView::Placement();
  if (!OnTheForm(*control_)) return own;
  QSize inside = Window().Client()->size();
  return QRect(0, inside.height() - own.height(), inside.width(), own.height());
}

void StatusBarView::SyncOwn() {
  forms::StatusBar& bar = Model();
  numdoc_->setText(ToQString(bar.numdoc()));
  razonsocial_->setText(ToQString(bar.razonsocial()));
  periodo_->setText(ToQString(bar.periodo_ejercicio()));
  formulario_->setText(ToQString(bar.formulario()));
}

DataControlView::DataControlView(FormWindow& window, forms::DataControl& data)
    : ControlView(window, data), caption_(nullptr) {
  auto* holder = new QWidget;
  caption_ = new QLabel(holder);
  caption_->setAlignment(Qt::AlignCenter);
  caption_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  const std::pair<const char*, int> steps[] = {{"|<", -2}, {"<", -1}, {">", 1}, {">|", 2}};
  for (const auto& [text, step] : steps) {
    auto* button = new QToolButton(holder);
    button->setText(text);
    int move = step;
    connect(button, &QToolButton::clicked, this, [this, move] { Step(move); });
    buttons_.push_back(button);
  }
  Adopt(holder);
}

void DataControlView::SyncOwn() { caption_->setText(ToQString(Model().Caption())); }

void DataControlView::Placed() {
  QSize size = widget_->size();
  int side = size.height();
  buttons_[0]->setGeometry(0, 0, side, side);
  buttons_[1]->setGeometry(side, 0, side, side);
  buttons_[2]->setGeometry(size.width() - 2 * side, 0, side, side);
  buttons_[3]->setGeometry(size.width() - side, 0, side, side);
  caption_->setGeometry(2 * side, 0, std::max(0, size.width() - 4 * side), side);
}

// The arrows move the shared row as the data control's buttons do: past either
// end the recordset stays on its first or last row.
void DataControlView::Step(int step) {
  if (!control_) return;
  dao::RecordsetPtr rows = Model().Recordset();
  if (!rows || !rows->IsOpen() || (rows->Bof() && rows->Eof())) return;
  Call([&] {
    if (step == -2) rows->MoveFirst();
    if (step == 2) rows->MoveLast();
    if (step == -1) {
      rows->MovePrevious();
      if (rows->Bof()) rows->MoveFirst();
    }
    if (step == 1) {
      rows->MoveNext();
      if (rows->Eof()) rows->MoveLast();
    }
  });
}

}  // namespace formsqt
