#pragma once

#include <string>

namespace tarnbrook {

// Fixed folder names relative to the working directory; each is created there when missing
// (all but the two system names, which are names only).
std::string DocumentsFolder();    // "Documenti"
std::string DesktopFolder();      // "Desktop"
std::string DownloadFolder();     // "Download"
std::string DataFolder();         // "Data"
std::string MusicFolder();        // "Musica"
std::string PicturesFolder();     // "Immagini"
std::string ProgramDataFolder();  // "ProgramData"
std::string SystemFolder();       // "SYS:"
std::string SystemDrive();        // "c:"

// "Settings/first/second/name", creating the three folders on the way when missing.
std::string SettingsPath(const std::string& first, const std::string& second,
                         const std::string& name);

}  // namespace tarnbrook
