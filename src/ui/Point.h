#pragma once

#include <cstdint>

namespace tarnbrook {

// A position in pixels relative to an element's container, passed by value.
struct Point {
    int32_t x;
    int32_t y;
};

}  // namespace tarnbrook
