// The viewer: load the embedded database, then show the window and run on its events.
#include "app/run.h"

int main(int argc, char* argv[]) {
    return zentaloger::RunViewer(argc, argv);
}
