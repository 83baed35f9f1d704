#include "platform/qt/file_chooser_view.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QLocale>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStringList>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

#include "platform/forms/services.h"
#include "platform/forms/user.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/strings.h"
#include "platform/vb/error.h"

namespace formsqt {
namespace {

constexpr int kDateColumn = 3;

// The folder dialog's entries with their modification date in the
// application's locale: Qt's file model writes it in the system's, English
// month names and all on a system without a Spanish one.
class LocalDates final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role) const override {
    auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
    if (files && role == Qt::DisplayRole && index.column() == kDateColumn)
      return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
  }
};

// Qt's own folder dialog, whatever the desktop's: a native one would speak the
// desktop's language, and only Qt's takes the dates above.
QString ChooseFolder(QWidget* parent, const QString& start) {
  QFileDialog dialog(parent, "Elegir carpeta", start);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  dialog.setProxyModel(new LocalDates(&dialog));
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

}  // namespace

FileChooserView::FileChooserView(FormWindow& window, forms::FileChooser& chooser)
    : ControlView(window, chooser), path_(nullptr), browse_(nullptr), files_(nullptr) {
  auto* holder = new QWidget;
  path_ = new QLineEdit(holder);
  path_->setReadOnly(true);
  path_->setContextMenuPolicy(Qt::NoContextMenu);
  browse_ = new QToolButton(holder);
  browse_->setText("...");
  browse_->setToolTip("Elegir carpeta");
  files_ = new QListWidget(holder);
  Adopt(holder);
  connect(browse_, &QToolButton::clicked, this, [this] { Browse(); });
}

void FileChooserView::SyncOwn() {
  forms::FileChooser& chooser = Model();
  path_->setText(ToQString(chooser.Path()));
  QStringList files;
  for (int i = 0; i < chooser.ListCount(); ++i) files << ToQString(chooser.List(i));
  QStringList shown;
  for (int i = 0; i < files_->count(); ++i) shown << files_->item(i)->text();
  QSignalBlocker quiet(files_);
  if (shown != files) {
    files_->clear();
    files_->addItems(files);
  }
  int index = chooser.ListIndex();
  files_->setCurrentRow(index);
  if (index < 0) files_->clearSelection();
}

void FileChooserView::Placed() {
  QSize size = widget_->size();
  int line = path_->sizeHint().height();
  browse_->setGeometry(size.width() - line, 0, line, line);
  path_->setGeometry(0, 0, std::max(0, size.width() - line - 2), line);
  files_->setGeometry(0, line + 2, size.width(), std::max(0, size.height() - line - 2));
}

// The folder button works as a button; the rest is the chooser's.
bool FileChooserView::Mouse(QWidget* target, QMouseEvent* event) {
  if (control_ && target == browse_) {
    Host().Deliver(target, event);
    return true;
  }
  return ControlView::Mouse(target, event);
}

bool FileChooserView::Wheel(QWidget* target, QWheelEvent* event) {
  Host().Deliver(target, event);
  return true;
}

void FileChooserView::Pressed(QWidget* target, QPoint pos) {
  if (target != files_->viewport()) return;
  QListWidgetItem* item = files_->itemAt(pos);
  if (!item) return;
  forms::FileChooser& chooser = Model();
  std::string name = ToUtf8(item->text());
  Call([&] { forms::user::ChooseFile(chooser, name); });
}

// A folder that went away meanwhile is the person's mishap, not the program's:
// it is told and the chooser stays where it was.
void FileChooserView::Browse() {
  if (!control_) return;
  QString folder = ChooseFolder(widget_->window(), ToQString(Model().Path()));
  if (folder.isEmpty() || !control_) return;
  forms::FileChooser& chooser = Model();
  std::string path = ToUtf8(folder);
  Call([&] {
    try {
      forms::user::ChooseFolder(chooser, path);
    } catch (const vb::Error& error) {
      forms::MsgBox(error.Description(), forms::vbExclamation);
    }
  });
}

}  // namespace formsqt
