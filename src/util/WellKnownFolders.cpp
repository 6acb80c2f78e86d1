#include "util/WellKnownFolders.h"

#include "util/FileUtils.h"

namespace tarnbrook {

namespace {

std::string CreatedFolder(const std::string& name)
{
    MakeFolder(name);
    return name;
}

}  // namespace

std::string DocumentsFolder()
{
    return CreatedFolder("Documenti");
}

std::string DesktopFolder()
{
    return CreatedFolder("Desktop");
}

std::string DownloadFolder()
{
    return CreatedFolder("Download");
}

std::string DataFolder()
{
    return CreatedFolder("Data");
}

std::string MusicFolder()
{
    return CreatedFolder("Musica");
}

std::string PicturesFolder()
{
    return CreatedFolder("Immagini");
}

std::string ProgramDataFolder()
{
    return CreatedFolder("ProgramData");
}

std::string SystemFolder()
{
    return "SYS:";
}

std::string SystemDrive()
{
    return "c:";
}

std::string SettingsPath(const std::string& first, const std::string& second,
                         const std::string& name)
{
    std::string path = CreatedFolder("Settings");
    path = CreatedFolder(path + PathSeparator() + first);
    path = CreatedFolder(path + PathSeparator() + second);
    return path + PathSeparator() + name;
}

}  // namespace tarnbrook
