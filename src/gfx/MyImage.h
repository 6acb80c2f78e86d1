#pragma once

#include <X11/Xlib.h>

#include "gfx/XImageFactory.h"
#include "ui/PaintedChild.h"

namespace tarnbrook {

// Shows one picture inside a form: an X image given by the caller (which stays the caller's),
// or one the element builds on its first paint from an embedded 16-colour array or an RGB
// buffer (which it then owns). The pixel data handed in is not copied and stays the caller's;
// its image is built at the size the data was given with (the element's size when it is set
// with SetImageData), so a later SetSize never reads beyond it.
class MyImage : public PaintedChild {
public:
    // Byte positions of red, green and blue inside a pixel of the server's images (set by the
    // pixel-format probe).
    static int ixRosso;
    static int ixVerde;
    static int ixBlu;

    MyImage(GUIElement* container, XImage* image);
    MyImage(GUIElement* container, const unsigned char* embedded, int imageWidth, int imageHeight);
    MyImage(GUIElement* container, const unsigned char* pixelData, bool pixelDataIsRgb,
            int imageWidth, int imageHeight);
    ~MyImage() override;

    void Paint() override;

    // Slots after those of GUIElement, in this order.
    virtual void SetImage(XImage* newImage);
    virtual void SetImageData(const unsigned char* data);
    virtual void SetBorder(bool value);
    virtual void SetImageEnabled(bool value);

    XImage* GetImage() const { return image_; }

private:
    void ForgetBuiltImage();
    void BuildImage();

    XImage* image_ = nullptr;
    ImagePtr builtImage_;  // the image made from pixelData_, when image_ is that one
    const unsigned char* pixelData_ = nullptr;
    int dataWidth_ = 0;
    int dataHeight_ = 0;
    bool pixelDataIsRgb_ = false;
    bool border_ = false;
};

}  // namespace tarnbrook
