#pragma once

#include <functional>

class MainWindow;

// The program: reads the command line, then runs the restart loop. Once the
// first window is shown, it offers the work a program that ended unexpectedly
// left behind, then opens a project file named on the command line (asking
// about unexported work first). onWindowShown as for runRestartLoop.
int runConfigurator(int &argc, char **argv,
                    const std::function<void(MainWindow &)> &onWindowShown = {});
