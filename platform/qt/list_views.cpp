#include "platform/qt/list_views.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyle>
#include <QWheelEvent>

#include "platform/forms/user.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/strings.h"

namespace formsqt {

namespace {

// An item's frame and text margins in the opened list, in pixels.
constexpr int kListMargins = 16;

QStringList ItemsOf(const forms::ListControl& list) {
  QStringList items;
  for (int i = 0; i < list.ListCount(); ++i) items << ToQString(list.List(i));
  return items;
}

QStringList ItemsOf(const QComboBox& combo) {
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  return items;
}

QStringList ItemsOf(const QListWidget& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) items << list.item(i)->text();
  return items;
}

}  // namespace

ComboBoxView::ComboBoxView(FormWindow& window, forms::ComboBox& combo)
    : ControlView(window, combo), combo_(new QComboBox) {
  Adopt(combo_);
  connect(combo_, &QComboBox::activated, this, [this](int index) { Chosen(index); });
}

void ComboBoxView::ShowItems() {
  QStringList items = ItemsOf(Model());
  if (ItemsOf(*combo_) != items) {
    QSignalBlocker quiet(combo_);
    combo_->clear();
    combo_->addItems(items);
  }
  ShowListWidth();
}

void ComboBoxView::ShowSelection() {
  QSignalBlocker quiet(combo_);
  combo_->setCurrentIndex(Model().ListIndex());
  if (combo_->isEditable()) combo_->setEditText(ToQString(Model().Text()));
}

void ComboBoxView::SyncOwn() {
  forms::ComboBox& combo = Model();
  bool editable = combo.Style() != forms::vbComboDropdownList;
  if (combo_->isEditable() != editable) {
    combo_->setEditable(editable);
    if (QLineEdit* edit = combo_->lineEdit()) {
      edit->setFocusPolicy(Qt::NoFocus);
      edit->setContextMenuPolicy(Qt::NoContextMenu);
    }
  }
  ShowItems();
  ShowSelection();
}

// The opened list is DropDownWidth wide, or wider where an item would not show
// whole: its padding blanks left out, every item can be read while choosing.
void ComboBoxView::ShowListWidth() {
  QFontMetrics metrics(combo_->font());
  int widest = Model().DropDownWidth();
  for (int i = 0; i < combo_->count(); ++i) {
    QString text = combo_->itemText(i);
    while (text.endsWith(' ')) text.chop(1);
    widest = std::max(widest, metrics.horizontalAdvance(text) + kListMargins +
                                  combo_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  }
  combo_->view()->setMinimumWidth(widest);
}

void ComboBoxView::Changed(forms::ControlProperty property) {
  using enum forms::ControlProperty;
  if (!control_) return;
  if (property == List) {
    ShowItems();
    return ShowSelection();
  }
  if (property == ListIndex || property == Text) return ShowSelection();
  if (property == DropDownWidth) return ShowListWidth();
  ControlView::Changed(property);
}

// DropDown runs before the list opens: a handler may fill it there.
void ComboBoxView::Pressing() {
  forms::ComboBox& combo = Model();
  Call([&] { forms::user::DropDown(combo); });
}

// The wheel over a closed combo would change its selection behind the
// control's back.
bool ComboBoxView::Wheel(QWidget*, QWheelEvent*) { return true; }

void ComboBoxView::Chosen(int index) {
  if (!control_) return;
  forms::ComboBox& combo = Model();
  Call([&] { forms::user::SelectItem(combo, index); });
  if (control_) ShowSelection();
}

// The scroll is reported once the widget has settled (queued), never from
// inside the view's own update of the widget.
ListBoxView::ListBoxView(FormWindow& window, forms::ListBox& list)
    : ControlView(window, list), list_(new QListWidget) {
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  Adopt(list_);
  connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { Scrolled(); },
          Qt::QueuedConnection);
}

void ListBoxView::ShowItems() {
  QStringList items = ItemsOf(Model());
  if (ItemsOf(*list_) == items) return;
  QSignalBlocker quiet(list_);
  list_->clear();
  list_->addItems(items);
}

void ListBoxView::ShowSelection() {
  QSignalBlocker quiet(list_);
  int index = Model().ListIndex();
  if (index < 0) {
    list_->clearSelection();
    list_->setCurrentRow(-1);
    return;
  }
  list_->setCurrentRow(index);
  list_->scrollToItem(list_->item(index));
}

void ListBoxView::SyncOwn() {
  ShowItems();
  ShowSelection();
  int top = Model().TopIndex();
  if (top >= 0 && top < list_->count()) {
    list_->scrollToItem(list_->item(top), QAbstractItemView::PositionAtTop);
  }
}

void ListBoxView::Changed(forms::ControlProperty property) {
  using enum forms::ControlProperty;
  if (!control_) return;
  if (property == List) {
    ShowItems();
    return ShowSelection();
  }
  if (property == ListIndex) return ShowSelection();
  ControlView::Changed(property);
}

bool ListBoxView::Wheel(QWidget* target, QWheelEvent* event) {
  Host().Deliver(target, event);
  return true;
}

// Whatever scrolled the list (the wheel, the scroll bar, the keys, a selection
// brought into view), the item the person now sees at the top is the control's
// TopIndex, which the windows read to select it.
void ListBoxView::Scrolled() {
  if (!control_) return;
  int top = list_->indexAt(QPoint(1, 1)).row();
  if (top < 0 || top == Model().TopIndex()) return;
  forms::ListBox& list = Model();
  Call([&] { forms::user::Scroll(list, top); });
}

void ListBoxView::Pressed(QWidget* target, QPoint pos) {
  if (target != list_->viewport()) return;
  int row = list_->indexAt(pos).row();
  if (row < 0) return;
  forms::ListBox& list = Model();
  Call([&] { forms::user::SelectItem(list, row); });
  if (control_) ShowSelection();
}

}  // namespace formsqt
