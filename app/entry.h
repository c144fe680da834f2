#pragma once

#include <functional>

class MainWindow;

// The program: reads the command line, then runs the restart loop. A project
// file named on the command line is imported into the first window only, right
// after it is shown. onWindowShown as for runRestartLoop.
int runConfigurator(int &argc, char **argv,
                    const std::function<void(MainWindow &)> &onWindowShown = {});
