#pragma once

#include <string>

namespace tarnbrook {

// Small text settings kept one per file at SettingsPath(first, second, name).
// LoadSetting gives back exactly what SaveSetting stored; a missing setting reads as "".
std::string LoadSetting(const std::string& first, const std::string& second,
                        const std::string& name);
bool SaveSetting(const std::string& first, const std::string& second, const std::string& name,
                 const std::string& value);

}  // namespace tarnbrook
