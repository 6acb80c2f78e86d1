#include "ui/ImageFrame.h"

#include <map>
#include <tuple>

#include "app/Application.h"
#include "gfx/EmbeddedImage.h"
#include "gfx/GraphicsContext.h"
#include "gfx/Screen.h"
#include "ui/BackColors.h"
#include "ui/Form.h"

namespace tarnbrook {

namespace {

constexpr int64_t kTransparentKey = 0x000000;

// One X image per RGB sheet and display, alive while a frame uses it: the board's 180 squares
// share one image of the tile strip instead of holding 180 copies.
using SheetKey = std::tuple<const unsigned char*, int, int, Display*>;
std::map<SheetKey, std::weak_ptr<XImage>>& SheetImages()
{
    static std::map<SheetKey, std::weak_ptr<XImage>> sheets;
    return sheets;
}

std::shared_ptr<XImage> SharedSheet(GUIElement* element, const unsigned char* rgb, int width,
                                    int height, Display* display)
{
    auto& sheets = SheetImages();
    const SheetKey key{rgb, width, height, display};
    if (std::shared_ptr<XImage> existing = sheets[key].lock()) {
        return existing;
    }
    std::shared_ptr<XImage> made(CreateXImage(element, rgb, width, height).release(), DestroyImage);
    if (made) {
        sheets[key] = made;
    } else {
        sheets.erase(key);
    }
    return made;
}

void ForgetUnusedSheets()
{
    auto& sheets = SheetImages();
    for (auto it = sheets.begin(); it != sheets.end();) {
        it = it->second.expired() ? sheets.erase(it) : std::next(it);
    }
}

Display* DisplayOf(GUIElement* element)
{
    Form* form = Application::GetParentForm(element);
    Screen* screen = form ? form->GetScreen() : nullptr;
    return screen ? screen->GetDisplay() : nullptr;
}

}  // namespace

ImageFrame::ImageFrame(GUIElement* container, int column, int row)
    : PaintedChild(container, "imageframe", false), column_(column), row_(row)
{}

ImageFrame::ImageFrame(GUIElement* container, XImage* sheetImage, int column, int row)
    : ImageFrame(container, column, row)
{
    givenSheet_ = sheetImage;
}

ImageFrame::ImageFrame(GUIElement* container, const std::vector<XImage*>& images, int column,
                       int row)
    : ImageFrame(container, column, row)
{
    images_ = images;
}

ImageFrame::ImageFrame(GUIElement* container, const unsigned char* const* frameData, int frameCount,
                       int pictureWidth, int pictureHeight, int column, int row)
    : ImageFrame(container, column, row)
{
    frameData_ = frameData;
    frameCount_ = frameData ? frameCount : 0;
    pictureWidth_ = pictureWidth;
    pictureHeight_ = pictureHeight;
}

ImageFrame::ImageFrame(GUIElement* container, const unsigned char* sheetRgb, int sheetWidth,
                       int sheetHeight, int column, int row)
    : ImageFrame(container, column, row)
{
    sheetRgb_ = sheetRgb;
    sheetWidth_ = sheetWidth;
    sheetHeight_ = sheetHeight;
}

ImageFrame::~ImageFrame()
{
    sharedSheet_.reset();
    ForgetUnusedSheets();
}

XImage* ImageFrame::GetSheetImage() const
{
    return sharedSheet_ ? sharedSheet_.get() : givenSheet_;
}

int64_t ImageFrame::GetCell() const
{
    return (static_cast<int64_t>(row_) << 32) | static_cast<uint32_t>(column_);
}

void ImageFrame::SetCell(int newColumn, int newRow)
{
    if (newColumn == column_ && newRow == row_) {
        return;
    }
    column_ = newColumn;
    row_ = newRow;
    RepaintIfCreated();
}

void ImageFrame::SetCellErase(int newColumn, int newRow, bool eraseFirst)
{
    if (newColumn == column_ && newRow == row_) {
        return;
    }
    column_ = newColumn;
    row_ = newRow;
    if (!created) {
        return;
    }
    if (eraseFirst) {
        Hide();
        Create();
    }
    Paint();
}

void ImageFrame::SetTransparent(bool value)
{
    transparent_ = value;
    Paint();
}

// Images need the server's pixel layout, which is learned on the form's window: until the
// form has one nothing is built, and a list that could not be built whole is tried again.
void ImageFrame::BuildImages()
{
    Form* form = Application::GetParentForm(this);
    if (!form || form->GetWindow() == None) {
        return;
    }
    if (frameData_ && images_.empty() && !GetSheetImage()) {
        BuildListImages();
    }
    if (sheetRgb_ && !sharedSheet_ && !givenSheet_) {
        sharedSheet_ = SharedSheet(this, sheetRgb_, sheetWidth_, sheetHeight_, DisplayOf(this));
    }
}

// Each picture is decoded at the size it was given with, whatever the element's size.
void ImageFrame::BuildListImages()
{
    for (int i = 0; i < frameCount_; ++i) {
        ImagePtr image =
            CreateXImage(this, Convert4BitImage(pictureWidth_, pictureHeight_, frameData_[i]));
        if (!image) {
            builtImages_.clear();
            images_.clear();
            return;
        }
        images_.push_back(image.get());
        builtImages_.push_back(std::move(image));
    }
}

XImage* ImageFrame::ShownListImage() const
{
    const int64_t index = static_cast<int64_t>(column_) + row_;
    if (column_ < 0 || row_ < 0 || index >= static_cast<int64_t>(images_.size())) {
        return nullptr;
    }
    return images_[static_cast<size_t>(index)];
}

bool ImageFrame::CellInsideSheet(XImage* sheet) const
{
    return column_ >= 0 && row_ >= 0 && width > 0 && height > 0 &&
           (static_cast<int64_t>(column_) + 1) * width <= sheet->width &&
           (static_cast<int64_t>(row_) + 1) * height <= sheet->height;
}

void ImageFrame::Paint()
{
    if (!created) {
        return;
    }
    GraphicsContext gc(Application::GetParentForm(this));
    const Point at = Application::ToFormCoordinates(this, x, y);
    BuildImages();
    XImage* sheet = GetSheetImage();
    if (transparent_) {
        // The whole area, since the keyed put shows what lies under the black pixels.
        gc.FillRectangle(at.x, at.y, width + 1, height + 1, ContainerBackColor(this));
    }
    if (sheet) {
        if (!CellInsideSheet(sheet)) {
            return;
        }
        if (transparent_) {
            gc.PutImagePartKeyed(at.x, at.y, width, height, sheet, width * column_, height * row_,
                                 kTransparentKey);
        } else {
            gc.PutImagePart(at.x, at.y, width, height, sheet, width * column_, height * row_);
        }
    } else if (XImage* image = ShownListImage()) {
        if (transparent_) {
            gc.PutImageKeyed(at.x, at.y, width, height, image, kTransparentKey);
        } else {
            gc.PutImage(at.x, at.y, width, height, image);
        }
    }
}

}  // namespace tarnbrook
