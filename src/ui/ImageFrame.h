#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/XImageFactory.h"
#include "ui/PaintedChild.h"

namespace tarnbrook {

// Shows one cell of a picture sheet, or one picture of a list, in a rectangle of its own size.
// Cell (column, row) of a sheet is the w x h rectangle at (column * w, row * h); in a list the
// picture shown is entry column + row. A cell outside the sheet or list shows nothing.
// Frames built over the same RGB sheet share one X image of it.
class ImageFrame : public PaintedChild {
public:
    // A ready sheet image, not owned.
    ImageFrame(GUIElement* container, XImage* sheetImage, int column, int row);
    // A ready picture list; the images are not owned.
    ImageFrame(GUIElement* container, const std::vector<XImage*>& images, int column, int row);
    // Embedded 16-colour pictures of pictureWidth x pictureHeight pixels each, converted at
    // the first paint once the form has a window.
    ImageFrame(GUIElement* container, const unsigned char* const* frameData, int frameCount,
               int pictureWidth, int pictureHeight, int column, int row);
    // An RGB sheet of sheetWidth x sheetHeight pixels, which must outlive the frame.
    ImageFrame(GUIElement* container, const unsigned char* sheetRgb, int sheetWidth,
               int sheetHeight, int column, int row);
    ~ImageFrame() override;

    int64_t GetCell() const;  // column in the low 32 bits, row in the high ones
    void SetCell(int newColumn, int newRow);
    void SetCellErase(int newColumn, int newRow, bool eraseFirst);
    void SetTransparent(bool value);
    // The X image of the sheet once the first paint made or took it (for tests and sharing).
    XImage* GetSheetImage() const;

    void Paint() override;

private:
    ImageFrame(GUIElement* container, int column, int row);
    void BuildImages();
    void BuildListImages();
    XImage* ShownListImage() const;
    bool CellInsideSheet(XImage* sheet) const;

    bool transparent_ = false;
    XImage* givenSheet_ = nullptr;
    std::shared_ptr<XImage> sharedSheet_;  // made from sheetRgb_, shared with other frames
    std::vector<XImage*> images_;
    std::vector<ImagePtr> builtImages_;  // made from frameData_
    const unsigned char* const* frameData_ = nullptr;
    const unsigned char* sheetRgb_ = nullptr;
    int frameCount_ = 0;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    int column_ = 0;
    int row_ = 0;
    int sheetWidth_ = 0;
    int sheetHeight_ = 0;
};

}  // namespace tarnbrook
