// Tarnbrook: start reading here. main() resets the log, opens the display and tears everything
// down in a fixed order. The event loop is Application::Run (src/app/Application.cpp), the
// main window FormMain (src/game). The rules of the game know nothing of X (src/game/Board).
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/Application.h"
#include "app/Log.h"
#include "app/ProductInfo.h"
#include "game/FormMain.h"
#include "game/SoundPlayer.h"
#include "gfx/Screen.h"

namespace tarnbrook {
namespace {

const char* const kLogFile = "log.txt";

// Every run starts with a fresh log that holds only its own lines.
void ResetLog()
{
    if (access(kLogFile, F_OK) == 0) {
        std::remove(kLogFile);
    }
}

int RunProgram()
{
    PrepareLog();
    ResetLog();
    // The display connection keeps a pointer to the title's characters: it outlives the Screen.
    const std::string title = ComposeTitle();
    auto screen = std::make_unique<Screen>(title.c_str());
    if (screen->HasOpenFailed()) {
        // Nothing can be shown without a display, and Xlib must never see a null connection.
        return 1;
    }
    Application::InstallXErrorHandlers();

    auto form = std::make_unique<FormMain>(screen.get(), title);
    Application::Run(form.get());
    // The form's window goes while the display is still open; the display is closed last.
    form.reset();
    if (!screen->Close()) {
        WriteLog("Chiusura screen non riuscita");
    }
    screen.reset();
    // The sounds still playing go with the game; the browser and the mail program stay.
    EndSounds();
    return 0;
}

}  // namespace
}  // namespace tarnbrook

int main()
{
    return tarnbrook::RunProgram();
}
