#include "cli/ToolCommands.h"

#ifdef BELVANE_TOOL_PRINT
#include "cli/print/ToolPdf.h"
#endif

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef BELVANE_TOOL_PRINT
    return belvane::RunTool(args, std::cout, std::cerr, belvane::PrintToolPdf);
#else
    return belvane::RunTool(args, std::cout, std::cerr);
#endif
}
