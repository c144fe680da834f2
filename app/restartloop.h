#pragma once

#include <functional>

class MainWindow;

// Builds the application object and the window, runs the event loop, and
// does so again for as long as the loop ends with EXIT_CODE_REBOOT.
// onWindowShown, when given, runs for every window right before its loop starts.
int runRestartLoop(int &argc, char **argv,
                   const std::function<void(MainWindow &)> &onWindowShown = {});
