#pragma once

// The tool run in-process: its exit code and what it wrote on each stream.

#include "cli/ToolCommands.h"

#include <sstream>
#include <string>
#include <vector>

namespace belvane::testutil {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

inline ToolRun RunCommand(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = RunTool(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace belvane::testutil
