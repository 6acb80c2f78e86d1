#include "support/ReferencePaint.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/ShownForm.h"
#include "support/TestData.h"
#include "ui/CellControl.h"

namespace testsupport {

namespace {

// The main window's background, which shows where a widget leaves a pixel of its area unpainted.
constexpr long kGameBackground = 0x00C0C0;

}  // namespace

Area Area::Crop(int x, int y, int w, int h) const
{
    Area part{w, h, {}};
    for (int i = 0; i < w * h; ++i) {
        part.pixels.push_back(At(x + i % w, y + i / w));
    }
    return part;
}

Area ReadArea(Display* display, Window window, int x, int y, int w, int h)
{
    XSync(display, False);
    XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(w),
                              static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (!image) {
        return Area();
    }
    Area area{w, h, {}};
    for (int i = 0; i < w * h; ++i) {
        area.pixels.push_back(static_cast<int>(XGetPixel(image, i % w, i / w) & 0xFFFFFF));
    }
    XDestroyImage(image);
    return area;
}

std::string PictureDifference(const Area& shown, const std::string& name)
{
    std::ostringstream runs;
    runs << std::hex;
    for (auto run = shown.pixels.begin(); run != shown.pixels.end();) {
        const auto next = std::find_if(run, shown.pixels.end(), [&](int p) { return p != *run; });
        runs << *run << ' ' << next - run << '\n';
        run = next;
    }
    const std::string text = runs.str(), path = "pictures/" + name + ".txt";
    if (std::getenv("TARNBROOK_NEW_PICTURES")) {
        std::ofstream(TARNBROOK_TEST_DATA "/" + path) << text;
    }
    const std::string expected = ReadTestData(path);
    const auto differs = std::mismatch(text.begin(), text.end(), expected.begin(), expected.end());
    return text == expected ? ""
                            : path + ": run " +
                                  std::to_string(std::count(text.begin(), differs.first, '\n') + 1);
}

Area PaintedLabel(const std::string& text, int width, int height, int64_t foreColor,
                  int64_t backColor, int align, bool bevel)
{
    ShownForm form(width, height, kGameBackground);
    tarnbrook::CellControl label(&form.Get());
    label.SetBackColor(backColor);
    label.SetForeColor(foreColor);
    label.SetTextAlign(static_cast<tarnbrook::TextAlign>(align));
    label.SetBevel(bevel);
    label.SetText(text);
    label.SetSize(width, height);
    label.Move(0, 0);
    label.Create();
    label.Paint();
    return ReadArea(form.GetDisplay(), form.Get().GetWindow(), 0, 0, width, height);
}

}  // namespace testsupport
