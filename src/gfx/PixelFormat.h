#pragma once

namespace tarnbrook {

class GUIElement;

// How the X server lays out the pixels of a client-side image, learned once per process by
// drawing one known pixel and reading it back. A depth of 0 means the probe has not run yet.
// The byte positions of the three colours inside a pixel are MyImage::ixRosso, ixVerde, ixBlu.
struct PixelFormat {
    int format;
    int xoffset;
    int bitmapPad;
    int bitmapUnit;
    int bitmapBitOrder;
    int byteOrder;
    int bitsPerPixel;
    int depth;
};

const PixelFormat& CurrentPixelFormat();

// Runs the probe on the element's form unless it already ran; differences from the usual
// 32-bit little-endian layout are written to the log as WARNING lines.
void ProbePixelFormat(GUIElement* element);
// Forgets what the probe learned: the next probe runs again.
void ForgetPixelFormat();

}  // namespace tarnbrook
