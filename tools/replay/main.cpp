// sparvik-replay: plays the session on standard input, prints JSON lines.
#include <iostream>

#include "tools/replay/replay.h"

int main() {
    std::ios::sync_with_stdio(false);
    sparvik::replay::replay(std::cin, std::cout, std::cerr);
    return 0;
}
