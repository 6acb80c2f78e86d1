#include "support/ShownForm.h"

#include <X11/Xutil.h>

#include <algorithm>

#include "support/WaitFor.h"

namespace testsupport {

ShownForm::ShownForm(int width, int height, long backColor) : screen_("tests"), form_(nullptr)
{
    form_.SetScreen(&screen_);
    form_.SetPosition(0, 0);
    form_.SetSize(width, height);
    form_.SetBackColor(backColor);
    form_.Show();
    viewable_ = WaitFor([this] {
        XWindowAttributes attributes{};
        return form_.GetWindow() != None &&
               XGetWindowAttributes(GetDisplay(), form_.GetWindow(), &attributes) &&
               attributes.map_state == IsViewable;
    });
    XSync(GetDisplay(), False);
}

std::vector<int> ShownForm::Area(int x, int y, int w, int h)
{
    std::vector<int> pixels;
    XSync(GetDisplay(), False);
    XImage* image = XGetImage(GetDisplay(), form_.GetWindow(), x, y, static_cast<unsigned>(w),
                              static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (!image) {
        return pixels;
    }
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            pixels.push_back(static_cast<int>(XGetPixel(image, column, row) & 0xFFFFFF));
        }
    }
    XDestroyImage(image);
    return pixels;
}

int ShownForm::Pixel(int x, int y)
{
    const std::vector<int> pixel = Area(x, y, 1, 1);
    return pixel.empty() ? -1 : pixel[0];
}

InkBox ShownForm::FindColor(int x, int y, int w, int h, int color)
{
    InkBox box;
    const std::vector<int> pixels = Area(x, y, w, h);
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] != color) {
            continue;
        }
        const int px = x + static_cast<int>(i % static_cast<size_t>(w));
        const int py = y + static_cast<int>(i / static_cast<size_t>(w));
        if (box.count == 0) {
            box.left = box.right = px;
            box.top = box.bottom = py;
        }
        box.left = std::min(box.left, px);
        box.right = std::max(box.right, px);
        box.top = std::min(box.top, py);
        box.bottom = std::max(box.bottom, py);
        ++box.count;
    }
    return box;
}

int ShownForm::CountOther(int x, int y, int w, int h, int color)
{
    int count = 0;
    for (int pixel : Area(x, y, w, h)) {
        count += pixel != color ? 1 : 0;
    }
    return count;
}

}  // namespace testsupport
