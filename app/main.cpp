// The program's entry. It takes no arguments and ends with exit code 0.
#include "app/start_qt.h"

int main(int argc, char* argv[]) {
    return sparvik::app::run_on_qt(argc, argv);
}
