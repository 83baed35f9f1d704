#include <iostream>

#include "inserta/ConsoleHost.h"
#include "inserta/ModNuvia.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"

int main(int argc, char** argv) {
  vb::SetCommand(argc, argv);
  vb::App::SetTitle("Nuvia");
  nuvia::ConsoleHost host(std::cerr);
  forms::SetHost(&host);
  try {
    nuvia::Main();
  } catch (const vb::Error& error) {
    std::cerr << "nuvia: error " << error.Number() << ": " << error.Description() << std::endl;
    return 1;
  }
  return 0;
}
