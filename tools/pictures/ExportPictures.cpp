// Turns 4-bit BMP files into the source arrays the program compiles in, with the game's own
// reader: each FILE.bmp gives FILE.bmp.c beside it. Usage: export_pictures FILE.bmp...
#include <cstdio>

#include "gfx/BmpFile.h"

int main(int argc, char** argv)
{
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        if (tarnbrook::ReadBmp4(argv[i]).IsEmpty()) {
            std::fprintf(stderr, "cannot read %s as a 4-bit BMP\n", argv[i]);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
