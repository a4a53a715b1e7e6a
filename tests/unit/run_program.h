// Runs one of the programs built next to the tests as a script would, with
// its output and errors caught in files of dir.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <string>

#include "temp_dir.h"

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline Outcome Execute(const TempDir& dir, const std::string& program, const std::string& arguments) {
    const std::string command = std::string(VELDRIO_BIN_DIR) + "/" + program + " " + arguments + " >" +
                                dir.File("stdout") + " 2>" + dir.File("stderr");
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFileBytes(dir.File("stdout")),
            ReadFileBytes(dir.File("stderr"))};
}
