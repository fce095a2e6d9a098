#include "uilogic/StartupLogic.h"

#include "core/SettingsStore.h"
#include "uilogic/FramePlacement.h"

namespace belvane {

StartupArguments ParseStartupArguments(const std::vector<std::string>& args) {
    StartupArguments result;
    auto refuse = [&result](std::string why) {
        result.action = StartupArguments::Action::Error;
        result.error = std::move(why);
        return result;
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            result.action = StartupArguments::Action::Help;
            return result;
        } else if (!optionsEnded && arg == "--screenshot") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                return refuse("--screenshot needs the name of a PNG file");
            result.screenshot = args[++i];
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return refuse("unknown option " + arg);
        } else if (arg.empty()) {
            return refuse("empty file name");
        } else if (!result.file.empty()) {
            // Only one register is ever open.
            return refuse("only one register can be opened: " + arg);
        } else {
            result.file = arg;
        }
    }
    return result;
}

std::string StartupUsage() {
    return "Usage: belvane [--screenshot PNG] [REGISTER.blv]\n"
           "  REGISTER.blv      the register to open (a new register without it)\n"
           "  --screenshot PNG  draw the main window into PNG and end\n";
}

std::string AppDirectoryValue(std::string_view programDir) {
    std::string dir(programDir);
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

bool WantsFirstStartDialog(const ISettingsStore& settings) {
    return settings.GetInt("Settings", "FirstTimeUse", 1) != 0;
}

bool StartsMaximized(const ISettingsStore& settings) {
    return settings.GetInt("Settings", "CmdShow", FramePlacement::kShowNormal) ==
           FramePlacement::kShowMaximized;
}

std::string InitialDirectory(const ISettingsStore& settings) {
    return settings.GetString("Settings", "InitialDir", "");
}

void RecordNormalExit(ISettingsStore& settings) {
    settings.WriteInt("Settings", "FirstTimeUse", 0);
}

}  // namespace belvane
