#include "util/Settings.h"

#include <vector>

#include "util/TextFile.h"
#include "util/WellKnownFolders.h"

namespace tarnbrook {

std::string LoadSetting(const std::string& first, const std::string& second,
                        const std::string& name)
{
    // The value was written as one line ending in "\n"; the lines joined back by "\n" are the
    // value itself, line breaks inside it included.
    const std::vector<std::string> lines = TextFile(SettingsPath(first, second, name)).ReadLines();
    std::string value;
    for (size_t i = 0; i < lines.size(); ++i) {
        value += (i > 0 ? "\n" : "") + lines[i];
    }
    return value;
}

bool SaveSetting(const std::string& first, const std::string& second, const std::string& name,
                 const std::string& value)
{
    return TextFile(SettingsPath(first, second, name)).WriteLines({value});
}

}  // namespace tarnbrook
