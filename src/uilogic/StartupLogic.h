#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace belvane {

class ISettingsStore;

// What the command line asks for.
struct StartupArguments {
    enum class Action { Run, Help, Error };
    Action action = Action::Run;
    std::string file;        // the register to open; empty: a new register
    std::string screenshot;  // draw the window into this PNG and end at once
    std::string error;       // why the command line was refused (Action::Error)
};

// Reads the arguments that follow the program's name: "[--screenshot PNG] [FILE]".
// Anything else is refused: the program then ends before showing its window.
StartupArguments ParseStartupArguments(const std::vector<std::string>& args);

// The text printed for --help and after a refused command line.
std::string StartupUsage();

// The value written to AppDirectory: the program's directory with a trailing "/".
std::string AppDirectoryValue(std::string_view programDir);

// FirstTimeUse (default 1) non-zero: the language dialog runs in first-start mode.
bool WantsFirstStartDialog(const ISettingsStore& settings);

// CmdShow 3 opens the window maximized. Other values open it normal: the program
// never writes anything else, and a window that started minimized would never
// store its position again.
bool StartsMaximized(const ISettingsStore& settings);

// InitialDir of "Settings": the directory to make current, or empty.
std::string InitialDirectory(const ISettingsStore& settings);

// What a normal exit records: the first start is over.
void RecordNormalExit(ISettingsStore& settings);

}  // namespace belvane
