#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

// The calculator's command line (setting "Calculator" of section "Settings").
class CalculatorCommand {
public:
    // Whether a program of that name can be found (on the PATH).
    using ProgramFinder = std::function<bool(std::string_view program)>;

    // The desktop calculators tried in order where there is no "Calc.exe".
    static const std::vector<std::string_view>& DesktopCalculators();

    // The command line used while the setting is absent: "Calc.exe" on
    // Windows, elsewhere the first desktop calculator found, else "xcalc".
    static std::string Default(bool windows, const ProgramFinder& found);

    // Splits a command line as a shell would: blanks separate the words, a
    // part in double or single quotes stays in one word (quotes removed) and,
    // when `backslashEscapes`, a backslash outside single quotes takes the next
    // character as it is. The first word is the program; empty when there is
    // none.
    static std::vector<std::string> Split(std::string_view commandLine, bool backslashEscapes);
};

}  // namespace belvane
