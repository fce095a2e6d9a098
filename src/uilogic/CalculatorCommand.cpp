#include "uilogic/CalculatorCommand.h"

namespace belvane {

const std::vector<std::string_view>& CalculatorCommand::DesktopCalculators() {
    static const std::vector<std::string_view> kCalculators = {
        "gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "qalculate-qt", "xcalc",
    };
    return kCalculators;
}

std::string CalculatorCommand::Default(bool windows, const ProgramFinder& found) {
    if (windows)
        return "Calc.exe";
    for (std::string_view program : DesktopCalculators())
        if (found && found(program))
            return std::string(program);
    return "xcalc";
}

std::vector<std::string> CalculatorCommand::Split(std::string_view commandLine,
                                                  bool backslashEscapes) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;  // a word has begun (it may be an empty quoted one)
    char quote = 0;
    for (std::size_t i = 0; i < commandLine.size(); ++i) {
        const char c = commandLine[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else if (c == '\\' && backslashEscapes && quote == '"' && i + 1 < commandLine.size() &&
                     (commandLine[i + 1] == '"' || commandLine[i + 1] == '\\'))
                word += commandLine[++i];
            else
                word += c;
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else if (c == '"' || c == '\'') {
            quote = c;
            inWord = true;
        } else if (c == '\\' && backslashEscapes && i + 1 < commandLine.size()) {
            word += commandLine[++i];
            inWord = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

}  // namespace belvane
