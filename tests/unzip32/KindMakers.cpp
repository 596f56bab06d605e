#include "KindMakers.h"

#include <cstdlib>
#include <fstream>

bool RunIn(const std::filesystem::path &folder, const std::string &command)
{
    std::string line = "cd '" + folder.string() + "' && { " + command + " ; } >/dev/null 2>&1";
    return std::system(line.c_str()) == 0;
}

bool PythonIn(const std::filesystem::path &folder, const std::string &program)
{
    std::ofstream(folder / "make.py") << program;
    return RunIn(folder, "python3 make.py && rm make.py");
}

bool HaveTool(const std::string &name)
{
    return std::system(("command -v '" + name + "' >/dev/null 2>&1").c_str()) == 0;
}
