// A plain C++ program that prints one line with the standard streams: the yardstick for dodoru-cli's
// start-up.
#include <iostream>

int main() {
    std::cout << "baseline 1.0\n";
    return 0;
}
