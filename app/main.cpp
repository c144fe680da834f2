#include "restartloop.h"

int main(int argc, char *argv[])
{
    return runRestartLoop(argc, argv);
}
