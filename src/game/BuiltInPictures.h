#pragma once

// The main window's pictures, compiled in as embedded 16-colour arrays (see gfx/EmbeddedImage.h).
// The arrays are exported from tools/pictures/*.bmp by tools/pictures/update-arrays.sh.
extern "C" {
extern int wBANNER;
extern int hBANNER;
extern char imgBANNER[];
extern int wABOUTBANNER;
extern int hABOUTBANNER;
extern char imgABOUTBANNER[];
extern int wSTAIRCASE;
extern int hSTAIRCASE;
extern char imgSTAIRCASE[];
extern int wCOLUMN;
extern int hCOLUMN;
extern char imgCOLUMN[];
}

namespace tarnbrook {

struct BuiltInPicture {
    const int& width;
    const int& height;
    const char* data;
};

// The title banner with the flag (top right), the bricks' staircase (bottom right), the
// staggered column (left) and the banner without the flag (the about box).
inline const BuiltInPicture kTitleBanner{wBANNER, hBANNER, imgBANNER};
inline const BuiltInPicture kStaircase{wSTAIRCASE, hSTAIRCASE, imgSTAIRCASE};
inline const BuiltInPicture kColumn{wCOLUMN, hCOLUMN, imgCOLUMN};
inline const BuiltInPicture kAboutBanner{wABOUTBANNER, hABOUTBANNER, imgABOUTBANNER};

}  // namespace tarnbrook
