#include <cstdio>

int main() {
    std::puts("Quelta: the table window is not built yet; run ./test.sh to check the game logic.");
    return 0;
}
