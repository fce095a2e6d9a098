#include "gui/support/Calculator.h"

#include "gui/paint/QtText.h"
#include "uilogic/CalculatorCommand.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace belvane {

namespace {

#ifdef Q_OS_WIN
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

}  // namespace

QString DefaultCalculator() {
    return FromStd(CalculatorCommand::Default(kWindows, [](std::string_view program) {
        return !QStandardPaths::findExecutable(FromStd(program)).isEmpty();
    }));
}

bool StartCalculator(const QString& commandLine) {
    // Backslashes are path separators on Windows, escapes elsewhere.
    const std::vector<std::string> words = CalculatorCommand::Split(ToStd(commandLine), !kWindows);
    if (words.empty() || words.front().empty())
        return false;
    QStringList arguments;
    for (std::size_t i = 1; i < words.size(); ++i)
        arguments.append(FromStd(words[i]));
    return QProcess::startDetached(FromStd(words.front()), arguments);
}

}  // namespace belvane
