#include "gfx/MyImage.h"

#include "app/Application.h"
#include "gfx/EmbeddedImage.h"
#include "gfx/GraphicsContext.h"
#include "ui/BackColors.h"
#include "ui/Form.h"

namespace tarnbrook {

int MyImage::ixRosso = 2;
int MyImage::ixVerde = 1;
int MyImage::ixBlu = 0;

namespace {
constexpr int64_t kBlack = 0x000000;
constexpr int64_t kWhite = 0xFFFFFF;
}  // namespace

MyImage::MyImage(GUIElement* container, XImage* image)
    : PaintedChild(container, "image", false), image_(image)
{
    if (image) {
        width = image->width;
        height = image->height;
    }
}

MyImage::MyImage(GUIElement* container, const unsigned char* embedded, int imageWidth,
                 int imageHeight)
    : MyImage(container, embedded, false, imageWidth, imageHeight)
{}

MyImage::MyImage(GUIElement* container, const unsigned char* pixelData, bool pixelDataIsRgb,
                 int imageWidth, int imageHeight)
    : PaintedChild(container, "image", false),
      pixelData_(pixelData),
      dataWidth_(imageWidth),
      dataHeight_(imageHeight),
      pixelDataIsRgb_(pixelDataIsRgb)
{
    width = imageWidth;
    height = imageHeight;
}

MyImage::~MyImage() = default;

void MyImage::BuildImage()
{
    if (pixelDataIsRgb_) {
        builtImage_ = CreateXImage(this, pixelData_, dataWidth_, dataHeight_);
    } else {
        builtImage_ = CreateXImage(this, Convert4BitImage(dataWidth_, dataHeight_, pixelData_));
    }
    image_ = builtImage_.get();
}

void MyImage::Paint()
{
    if (Application::loading || !created) {
        return;
    }
    GraphicsContext gc(Application::GetParentForm(this));
    const Point at = Application::ToFormCoordinates(this, x, y);
    if (pixelData_ && !image_) {
        BuildImage();
    }
    if (image_) {
        gc.PutImage(at.x, at.y, width, height, image_);
    } else {
        gc.FillRectangle(at.x, at.y, width, height, ContainerBackColor(this));
    }
    if (border_) {
        gc.DrawBevel(at.x, at.y, width, height, kBlack, kWhite);
    }
}

void MyImage::ForgetBuiltImage()
{
    if (builtImage_ && image_ == builtImage_.get()) {
        image_ = nullptr;
    }
    builtImage_.reset();
}

void MyImage::SetImage(XImage* newImage)
{
    ForgetBuiltImage();
    pixelData_ = nullptr;
    image_ = newImage;
    RepaintIfCreated();
}

// A given image is forgotten too (never destroyed): otherwise the new data would never show.
void MyImage::SetImageData(const unsigned char* data)
{
    ForgetBuiltImage();
    image_ = nullptr;
    pixelData_ = data;
    dataWidth_ = width;
    dataHeight_ = height;
    RepaintIfCreated();
}

void MyImage::SetBorder(bool value)
{
    border_ = value;
    RepaintIfCreated();
}

void MyImage::SetImageEnabled(bool value)
{
    enabled = value;
}

}  // namespace tarnbrook
