// The sample form on screen: every kind of control the programs use, each
// event shown in the window's list. "--captura FILE.png" saves a picture of the
// window and ends.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "platform/qt/run.h"
#include "platform/qt/sample/sample_data.h"
#include "platform/qt/sample/sample_form.h"
#include "platform/vb/app.h"

int main(int argc, char** argv) {
  std::string picture;
  if (argc == 3 && std::string(argv[1]) == "--captura") picture = argv[2];
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("forms_sample_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  vb::App::SetTitle("Muestra de controles");
  vb::App::SetHelpFile(sample::WriteSampleHelp(folder.string()));
  int code = 0;
  {
    sample::SampleForm form;
    form.UseDatabase(sample::CreateSampleDatabase(folder.string()));
    form.UseFolder(folder.string());
    if (picture.empty()) {
      code = formsqt::Run(form);
    } else {
      code = formsqt::Run([&form, &picture] {
        form.Show();
        if (!formsqt::SaveImage(form, picture)) std::cerr << "No se pudo guardar " << picture << '\n';
        forms::Unload(form);
      });
    }
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return code;
}
