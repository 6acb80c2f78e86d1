// Tarnbrook: start reading here. The entry routine below resets the log and opens the display;
// the event loop and the main window follow in src/app and src/game.
#include <unistd.h>

#include <cstdio>

int main()
{
    if (access("log.txt", F_OK) == 0) {
        std::remove("log.txt");
    }
    return 0;
}
