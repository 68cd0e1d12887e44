// The viewer's run as main runs it, but over the resource file named by
// ZENTALOGER_TEST_RESOURCE instead of the embedded database.
#include "app/run.h"

int main(int argc, char* argv[]) {
    return zentaloger::RunViewer(argc, argv, qEnvironmentVariable("ZENTALOGER_TEST_RESOURCE"));
}
