#pragma once

#include <cstdint>
#include <string>

#include "ui/GUIElement.h"
#include "ui/Point.h"

namespace testsupport {

// The colours the widget tests read back.
constexpr int kBlack = 0x000000;
constexpr int kWhite = 0xFFFFFF;
constexpr int kGrey = 0xAAAAAA;      // a form or element without a back colour
constexpr int kDisabled = 0x9B9B9B;  // the ink of a disabled element
constexpr int kFace = 0xC8D2DC;      // the back colour the tests give their elements
constexpr int kMarker = 0x13579B;    // painted by the test where nothing should repaint

inline std::string XY(tarnbrook::Point point)
{
    return std::to_string(point.x) + "," + std::to_string(point.y);
}

inline void ShowAt(tarnbrook::GUIElement& element, int x, int y, int w, int h,
                   int64_t backColor = kFace)
{
    element.SetPosition(x, y);
    element.SetSize(w, h);
    element.SetBackColor(backColor);
    element.Show();
}

}  // namespace testsupport
