#pragma once
// Template files made once and kept between the processes of one test program.
#include <functional>
#include <string>

namespace testsupport {

// A file the tests of one program copy instead of making it again for each test,
// such as a database with its tables. CTest runs every test in a process of its
// own, so the file is kept between them: under <FORM0942_BUILD_DIR>/test-templates,
// made by the first process that asks for it (the others wait for it) and used
// until the test program is built again. Without FORM0942_BUILD_DIR it is made
// once per process in a temporary folder.
//
// `name` tells apart the templates of one program; `make` writes the file (or
// folder) at the path it is given. Returns the template's path.
std::string SharedTemplate(const std::string& name,
                           const std::function<void(const std::string& path)>& make);

}  // namespace testsupport
