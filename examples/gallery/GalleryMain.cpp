// The widget gallery: a window showing every element of the toolkit at work. Start reading at
// FormGallery::BuildContent. Built beside the game; run it with examples/run-gallery.sh.
#include <memory>

#include "app/Application.h"
#include "app/Log.h"
#include "gallery/FormGallery.h"
#include "gfx/Screen.h"

namespace {

const char* const kTitle = "Tarnbrook widget gallery";

int RunGallery()
{
    auto screen = std::make_unique<tarnbrook::Screen>(kTitle);
    if (screen->HasOpenFailed()) {
        return 1;
    }
    tarnbrook::Application::InstallXErrorHandlers();
    auto gallery = std::make_unique<tarnbrook::FormGallery>(screen.get());
    gallery->Show();
    tarnbrook::Application::Run(gallery.get());
    // The gallery goes while the display is still open; the display closes last.
    gallery.reset();
    if (!screen->Close()) {
        tarnbrook::WriteLog("Chiusura screen non riuscita");
    }
    return 0;
}

}  // namespace

int main()
{
    return RunGallery();
}
