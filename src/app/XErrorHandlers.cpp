// The program's answers to X errors. Xlib's default handler ends the program on any protocol
// error, even for a window that has just vanished; here such an error is one log line and the
// program goes on. A lost connection cannot be recovered: it is logged and the program ends.
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/Application.h"
#include "app/Log.h"

namespace tarnbrook {
namespace Application {

namespace {

std::string Hex(unsigned long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", value);
    return text;
}

int LogProtocolError(Display* display, XErrorEvent* error)
{
    char description[256] = {};
    XGetErrorText(display, error->error_code, description, sizeof description);
    WriteLog(std::string("Errore X: ") + description + " (richiesta " +
             std::to_string(error->request_code) + "." + std::to_string(error->minor_code) +
             ", risorsa " + Hex(error->resourceid) + ")");
    return 0;
}

int EndOnLostConnection(Display*)
{
    WriteLog("Connessione al display X perduta");
    // Nothing X-related can run any more, so no exit handler may try: end at once.
    _exit(1);
}

}  // namespace

void InstallXErrorHandlers()
{
    XSetErrorHandler(LogProtocolError);
    XSetIOErrorHandler(EndOnLostConnection);
}

}  // namespace Application
}  // namespace tarnbrook
