#include "platform/qt/text_box_view.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "platform/forms/services.h"
#include "platform/forms/user.h"

namespace formsqt {

TextBoxView::TextBoxView(FormWindow& window, forms::TextBox& box)
    : EntryView(window, box, box.MultiLine()) {}

void TextBoxView::Select(int start, int length) {
  Box().SetSelStart(start);
  Box().SetSelLength(length);
}

void TextBoxView::SyncOwn() {
  EntryView::SyncOwn();
  if (line_) {
    line_->setEchoMode(Box().PasswordChar().empty() ? QLineEdit::Normal : QLineEdit::Password);
    return;
  }
  int bars = Box().ScrollBars();
  bool horizontal = bars & forms::vbHorizontal;
  bool vertical = bars & forms::vbVertical;
  lines_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  lines_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  lines_->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

void TextBoxView::ContextMenu(QPoint globalPos) {
  QMenu menu;
  QAction* copy = menu.addAction("Copiar");
  copy->setEnabled(Box().SelLength() > 0);
  QAction* paste = menu.addAction("Pegar");
  paste->setEnabled(!Box().Locked());
  QAction* chosen = menu.exec(globalPos);
  if (!control_ || !chosen) return;
  forms::TextBox& box = Box();
  Call([&] {
    if (chosen == copy) forms::Clipboard.SetText(box.SelText());
    if (chosen == paste) forms::user::PasteFromMenu(box);
  });
}

}  // namespace formsqt
