// The main program's windows as Qt shows them (offscreen), with the sample
// data: the texts the design gives room for are shown whole.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QTranslator>
#include <QTreeView>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <set>

#include "formulario/core/windows/tests/ventanas_prueba.h"
#include "formulario/import/FrmImportar.h"
#include "platform/qt/appearance.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/run.h"
#include "platform/qt/strings.h"
#include "platform/testsupport/window_wait.h"

namespace korva::prueba {
namespace {

class VistasTest : public PruebaVentanas {
 protected:
  void SetUp() override {
    PruebaVentanas::SetUp();
    std::filesystem::create_directories(carpeta_ / "run");
    std::filesystem::permissions(carpeta_ / "run", std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", (carpeta_ / "run").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    formsqt::Application();
    host_ = std::make_unique<formsqt::QtHost>();
  }
  void TearDown() override {
    forms::ResetApplication();
    host_.reset();
    PruebaVentanas::TearDown();
  }
  QWidget* Widget(const forms::Control& control) { return host_->WidgetOf(control); }
  static int Width(const QWidget& widget, QString text) {
    while (text.endsWith(' ')) text.chop(1);
    return widget.fontMetrics().horizontalAdvance(text);
  }

  // Every column of the chooser's grid that shows holds its heading and the
  // text of each of its rows.
  template <class T>
  void EsperaColumnasEnteras() {
    T& selector = forms::Instance<T>();
    selector.Show();
    auto* tabla = dynamic_cast<QTableView*>(Widget(selector.grdContrib));
    ASSERT_NE(tabla, nullptr);
    QAbstractItemModel& filas = *tabla->model();
    int margenes = 2 * (tabla->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tabla) + 1);
    ASSERT_GT(filas.rowCount(), 0);
    for (int col = 0; col < filas.columnCount(); ++col) {
      if (tabla->isColumnHidden(col)) continue;
      std::string titulo = filas.headerData(col, Qt::Horizontal).toString().toStdString();
      EXPECT_LE(tabla->horizontalHeader()->sectionSizeHint(col), tabla->columnWidth(col)) << titulo;
      for (int fila = 0; fila < filas.rowCount(); ++fila) {
        QString texto = filas.data(filas.index(fila, col)).toString();
        int ancho = tabla->columnWidth(col) - margenes;
        EXPECT_EQ(tabla->fontMetrics().elidedText(texto, tabla->textElideMode(), ancho), texto)
            << titulo << ": " << texto.toStdString();
        EXPECT_LE(Width(*tabla, texto), ancho) << titulo << ": " << texto.toStdString();
      }
    }
    forms::Unload(selector);
  }

  // The row of the frame's top line as the frame is painted: the first that
  // differs from the background, three quarters of the way across, clear of
  // the caption.
  static int LineaDelMarco(QWidget& marco) {
    QImage imagen = marco.grab().toImage();
    int x = imagen.width() * 3 / 4;
    for (int y = 1; y < imagen.height(); ++y)
      if (imagen.pixel(x, y) != imagen.pixel(x, 0)) return y;
    return imagen.height();
  }

  std::unique_ptr<formsqt::QtHost> host_;
};

// Each text Qt asks to have translated that none of the program's translators
// translates: Qt shows it in English. It translates nothing itself.
class TextosSinTraducir final : public QTranslator {
 public:
  TextosSinTraducir() : otros_(qApp->findChildren<QTranslator*>()) { QApplication::installTranslator(this); }
  bool isEmpty() const override { return false; }
  QString translate(const char* contexto, const char* texto, const char* aclaracion, int n) const override {
    for (const QTranslator* otro : otros_)
      if (!otro->translate(contexto, texto, aclaracion, n).isEmpty()) return {};
    std::lock_guard<std::mutex> cerrojo(mutex_);
    textos.insert(QString::fromUtf8(texto));
    return {};
  }
  mutable QSet<QString> textos;

 private:
  QList<QTranslator*> otros_;
  mutable std::mutex mutex_;
};

// What a person reads in the dialog: its title, labels, buttons and their tips,
// and the headings and cells of the entries its views show.
QStringList TextosVisibles(QWidget& dialogo) {
  QStringList textos{dialogo.windowTitle()};
  for (QWidget* w : dialogo.findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    textos << w->toolTip();
    if (auto* etiqueta = qobject_cast<QLabel*>(w)) textos << etiqueta->text();
    if (auto* boton = qobject_cast<QAbstractButton*>(w)) textos << boton->text();
    auto* vista = qobject_cast<QAbstractItemView*>(w);
    for (int col = 0; vista && col < vista->model()->columnCount(vista->rootIndex()); ++col) {
      textos << vista->model()->headerData(col, Qt::Horizontal).toString();
      for (int fila = 0; fila < vista->model()->rowCount(vista->rootIndex()); ++fila)
        textos << vista->model()->index(fila, col, vista->rootIndex()).data().toString();
    }
  }
  return textos;
}

// The import's folder chooser ("..." beside the folder), on a folder holding
// one last changed on 9 December, shows no English: no text Qt left
// untranslated ("Folder" in the "Tipo" column was), no day or month name as Qt
// writes it in English (the date column read "9 Dec"). The disk's own names
// are not Qt's texts.
TEST_F(VistasTest, TheImportsFolderChooserShowsNoEnglish) {
  TextosSinTraducir sinTraducir;
  std::filesystem::create_directories(carpeta_ / "importar/datos");
  std::filesystem::last_write_time(carpeta_ / "importar/datos",
                                   std::filesystem::file_time_type::clock::from_sys(
                                       std::chrono::sys_seconds(std::chrono::sys_days(std::chrono::December / 9 / 2026))));
  FrmImportar& frm = forms::Instance<FrmImportar>();
  frm.Show();
  frm.flListaFiles.SetPath(carpeta_ / "importar");
  QStringList textos;
  auto selector = [] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); };
  testsupport::When(
      "the folder chooser showing the folder's date",
      [&selector] {
        QTreeView* vista = selector() ? selector()->findChild<QTreeView*>() : nullptr;
        if (!vista) return false;
        QModelIndexList datos = vista->model()->match(vista->model()->index(0, 0, vista->rootIndex()),
                                                      Qt::DisplayRole, "datos");
        return !datos.isEmpty() && !datos[0].siblingAtColumn(3).data().toString().isEmpty();
      },
      [&] {
        textos = TextosVisibles(*selector());
        selector()->reject();
      });
  Widget(frm.flListaFiles)->findChild<QToolButton*>()->click();
  ASSERT_FALSE(textos.isEmpty());
  std::set<QString> ingleses;
  for (QLocale::FormatType forma : {QLocale::LongFormat, QLocale::ShortFormat}) {
    for (int mes = 1; mes <= 12; ++mes) ingleses.insert(QLocale(QLocale::English).monthName(mes, forma));
    for (int dia = 1; dia <= 7; ++dia) ingleses.insert(QLocale(QLocale::English).dayName(dia, forma));
  }
  for (QString texto : textos) {
    EXPECT_FALSE(sinTraducir.textos.contains(texto)) << texto.toStdString();
    texto.remove(QString::fromStdString(carpeta_.Path())).remove(QDir::homePath());
    for (const QString& palabra : texto.split(QRegularExpression("[^\\p{L}]+"), Qt::SkipEmptyParts))
      EXPECT_EQ(ingleses.count(palabra), 0u) << palabra.toStdString() << " in " << texto.toStdString();
  }
  forms::Unload(frm);
}

TEST_F(VistasTest, TheChoosersShowEveryColumnWhole) {
  InsertaCabecera({kRucRio, "200912", 8, "10/01/2010", "12/01/2010"});
  InsertaCabecera({kRucAndina, "201003", 2, "15/04/2010", "20/04/2010"});
  InsertaCabecera({kRucAndina, "201003", 8, "15/04/2010", "20/04/2010", "001"});
  InsertaCabecera({kRucRio, "200911", 3, "15/04/2010", "20/04/2010", "002"});
  giModo = 1;
  EsperaColumnasEnteras<FrmContAbrir>();
  EsperaColumnasEnteras<FrmContAbrirE>();
}

// Each label holds its caption on one line, below the line of the frame it sits
// in; the taxpayers' list opens wide enough to read every taxpayer.
TEST_F(VistasTest, TheImportWindowShowsItsLabelsAndTaxpayersWhole) {
  FrmImportar& frm = forms::Instance<FrmImportar>();
  frm.Show();
  for (forms::Control* control : frm.Controls()) {
    auto* label = dynamic_cast<forms::Label*>(control);
    if (!label || label->Caption().empty()) continue;
    auto* vista = dynamic_cast<QLabel*>(Widget(*label));
    ASSERT_NE(vista, nullptr) << label->Caption();
    EXPECT_LE(Width(*vista, formsqt::WithoutAccessKeys(label->Caption())), vista->contentsRect().width())
        << label->Caption();
    if (QWidget* marco = label->Container() ? Widget(*label->Container()) : nullptr) {
      EXPECT_GT(vista->y(), LineaDelMarco(*marco)) << label->Caption();
    }
  }
  auto* ruc = dynamic_cast<QComboBox*>(Widget(frm.CmbRuc));
  ASSERT_NE(ruc, nullptr);
  ASSERT_EQ(ruc->count(), 2);
  for (int i = 0; i < ruc->count(); ++i)
    EXPECT_LT(Width(*ruc, ruc->itemText(i)), ruc->view()->minimumWidth()) << ruc->itemText(i).toStdString();
}

}  // namespace
}  // namespace korva::prueba
