// Creating the application, where Qt may find no display to show its windows on.
#pragma once

#include <QApplication>
#include <memory>

namespace ui {

// The application, as QApplication makes it. Where Qt can reach no display (the program
// started over SSH, or from a service), it says so in one French sentence on stderr and
// ends the program with status 1, where Qt would abort with a core dump and English advice.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

}  // namespace ui
