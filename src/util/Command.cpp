#include "util/Command.h"

#include <cstdlib>

namespace tarnbrook {

bool RunCommand(const std::string& program, const std::string& arguments)
{
    return RunShell(program + " " + arguments);
}

bool RunShell(const std::string& command)
{
    return std::system(command.c_str()) != 0;
}

}  // namespace tarnbrook
