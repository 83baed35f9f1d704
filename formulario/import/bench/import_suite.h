#pragma once
// What the benchmarks of the import and of the windows that open its
// declarations share: a suite with one debt file and the import window on it.
#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/import/FrmImportar.h"
#include "inserta/ModTablas.h"
#include "platform/dao/dao.h"
#include "platform/forms/forms.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"
#include "tools/debtfile/debt_file.h"
#include "tools/host/suite.h"

namespace importbench {

namespace fs = std::filesystem;

inline constexpr const char* kRuc = "20456712348";

// Answers a question with Yes, as a person going ahead, every other message box
// with OK, and keeps the last one's text.
class HostBench : public forms::Host {
 public:
  int MsgBox(const std::string& prompt, int style, const std::string&) override {
    last = prompt;
    int buttons = style & 7;
    return buttons == forms::vbYesNo || buttons == forms::vbYesNoCancel ? forms::vbYes : forms::vbOK;
  }
  void RunModal(forms::Form&) override { throw std::logic_error("no modal window here"); }
  void ShowHelp(const forms::HelpRequest&) override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardText(const std::string&) override {}
  std::string last;
};

// A suite in a temporary folder with one debt file of `debts` lines, and the
// import window open on it with the taxpayer, the entity and the file chosen.
class Suite {
 public:
  explicit Suite(int debts) {
    fs::create_directories(folder_ / "programa");
    fs::create_directories(folder_ / "archivos");
    vb::App::SetPath(folder_ / "programa");
    vb::SetEndBehaviour(vb::EndBehaviour::Throw);
    forms::SetHost(&host_);
    korva::ReiniciaGlobales();
    database_ = host::CreateSuite(folder_ / "suite").databasePath;
    dao::DatabasePtr db = dao::Engine().OpenDatabase(database_);
    nuvia::CreaTablasModulo(*db);
    db->Close();
    korva::LeeConfiguracion();
    debtfile::Options options;
    options.ruc = kRuc;
    options.categories = {"01"};
    options.debtsPerCategory = debts;
    debtfile::WriteDebtFile(folder_ / "archivos", options);
    OpenWindow();
  }
  ~Suite() {
    forms::ResetApplication();
    korva::CierraBaseDatos();
    korva::ReiniciaGlobales();
    forms::SetHost(nullptr);
  }

  // Empties what an import writes, so that the same file imports again.
  void Empty() {
    for (const char* table : {"F0942DEUDAS", "CAB", "DET", "F0942GARANTIA"})
      korva::gDB->Execute(std::string("DELETE FROM ") + table);
    korva::gsPeriodo.clear();
    host_.last.clear();
  }
  bool Import() {
    window_->CmdGrabar.SetValue(true);
    return host_.last == "La importación ha terminado satisfactoriamente";
  }
  const std::string& Database() const { return database_; }

 private:
  void OpenWindow() {
    window_ = &forms::Instance<korva::FrmImportar>();
    window_->Show();
    window_->CmbRuc.SetListIndex(0);
    window_->CmbEntidad.SetListIndex(0);
    window_->flListaFiles.SetPath(folder_ / "archivos");
    window_->flListaFiles.SetListIndex(0);
  }

  testsupport::TempFolder folder_;
  testsupport::ScopedEnv home_{"HOME", folder_ / "home"};
  testsupport::ScopedEnv windir_{"WINDIR", folder_ / "suite/windows"};
  std::string database_;
  HostBench host_;
  korva::FrmImportar* window_ = nullptr;
};

inline void Check(int result, sqlite3* db) {
  if (result != SQLITE_OK && result != SQLITE_DONE && result != SQLITE_ROW)
    throw std::runtime_error(sqlite3_errmsg(db));
}

}  // namespace importbench
