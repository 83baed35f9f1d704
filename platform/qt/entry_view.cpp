#include "platform/qt/entry_view.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "platform/forms/form.h"
#include "platform/qt/appearance.h"
#include "platform/qt/strings.h"
#include "platform/vb/encoding.h"

namespace formsqt {

int ShownPosition(const std::u32string& text, int position) {
  int shown = 0;
  for (int i = 0; i < position && i < static_cast<int>(text.size()); ++i) {
    bool pairedReturn = text[i] == U'\r' && i + 1 < static_cast<int>(text.size()) && text[i + 1] == U'\n';
    if (!pairedReturn) ++shown;
  }
  return shown;
}

int TextPosition(const std::u32string& text, int shown) {
  int position = 0;
  for (int seen = 0; seen < shown && position < static_cast<int>(text.size()); ++position) {
    bool pairedReturn = text[position] == U'\r' && position + 1 < static_cast<int>(text.size()) &&
                        text[position + 1] == U'\n';
    if (!pairedReturn) ++seen;
  }
  return position;
}

EntryView::EntryView(FormWindow& window, forms::Control& control, bool multiLine)
    : ControlView(window, control) {
  if (multiLine) {
    lines_ = new QPlainTextEdit;
    lines_->setContextMenuPolicy(Qt::NoContextMenu);
    lines_->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    Adopt(lines_);
  } else {
    line_ = new QLineEdit;
    line_->setContextMenuPolicy(Qt::NoContextMenu);
    Adopt(line_);
  }
}

void EntryView::ShowText() {
  QString text = ToQString(Text());
  if (line_) {
    if (line_->text() != text) line_->setText(text);
  } else {
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    if (lines_->toPlainText() != text) lines_->setPlainText(text);
  }
  SyncCaret();
}

void EntryView::SyncCaret() {
  if (!control_ || reading_) return;
  int start = SelStart();
  int length = SelLength();
  if (line_) {
    if (length > 0) {
      line_->setSelection(start, length);
    } else {
      line_->setCursorPosition(start);
    }
    return;
  }
  std::u32string text = vb::DecodeUtf8(Text());
  QTextCursor cursor(lines_->document());
  int end = std::min<int>(ShownPosition(text, start + length), lines_->document()->characterCount() - 1);
  cursor.setPosition(std::min(ShownPosition(text, start), end));
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  lines_->setTextCursor(cursor);
}

void EntryView::SyncOwn() {
  ShowText();
  Qt::Alignment alignment = ToAlignment(Alignment());
  if (line_) {
    line_->setAlignment(alignment);
    line_->setReadOnly(Locked());
  } else {
    lines_->setReadOnly(Locked());
  }
}

void EntryView::Changed(forms::ControlProperty property) {
  using enum forms::ControlProperty;
  if (!control_) return;
  if (property == Text) return ShowText();
  if (property == SelLength && !reading_) selectedSincePress_ = true;
  if (property == SelStart || property == SelLength) return SyncCaret();
  ControlView::Changed(property);
}

bool EntryView::Mouse(QWidget* target, QMouseEvent* event) {
  bool leftPress = event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton;
  if (leftPress && control_) {
    entering_ = control_->CanTakeFocus() && control_->Parent().ActiveControl() != control_;
    selectedSincePress_ = false;
    keepsEntrySelection_ = false;
  }
  return ControlView::Mouse(target, event);
}

// MouseDown has moved the focus and run GotFocus: a selection it made stays.
void EntryView::Pressing() {
  keepsEntrySelection_ = entering_ && selectedSincePress_ && control_ && SelLength() > 0;
}

void EntryView::Released() { keepsEntrySelection_ = false; }

void EntryView::AfterWidgetMouse() {
  int start = 0;
  int length = 0;
  if (line_) {
    start = line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
    length = line_->hasSelectedText() ? static_cast<int>(line_->selectedText().size()) : 0;
  } else {
    std::u32string text = vb::DecodeUtf8(Text());
    QTextCursor cursor = lines_->textCursor();
    start = TextPosition(text, cursor.selectionStart());
    length = TextPosition(text, cursor.selectionEnd()) - start;
  }
  if (start == SelStart() && length == SelLength()) return;
  reading_ = true;
  Call([&] { Select(start, length); });
  reading_ = false;
}

}  // namespace formsqt
