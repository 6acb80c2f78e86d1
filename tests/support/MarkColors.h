#pragma once

// The colours the letter maps of the tick box and the option mark stand for, written out here
// apart from the program's own table so that the tests check the pictures against them.
namespace testsupport {

constexpr int kSeeThrough = -1;  // "." of an option mark: the face shows

inline int MarkLetterColor(char letter, bool enabled, bool on, bool optionMark)
{
    const int interior = enabled ? 0xFFFFFF : 0x9B9B9B;
    switch (letter) {
    case '.':
        return optionMark ? kSeeThrough : 0x000000;
    case 'D':
        return 0x848484;
    case 'K':
        return 0x424242;
    case 'L':
        return 0xD6D6CE;
    case 'W':
        return 0xFFFFFF;
    case 'G':
        return 0x9B9B9B;
    case 'I':
        return interior;
    case 'M':
        if (!on) {
            return interior;
        }
        if (!enabled) {
            return 0x424242;
        }
        return optionMark ? 0x010101 : 0x000000;
    default:
        return -2;
    }
}

}  // namespace testsupport
