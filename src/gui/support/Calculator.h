#pragma once

#include <QString>

namespace belvane {

// The calculator's command line while the setting "Calculator" is absent:
// "Calc.exe" on Windows, elsewhere the first desktop calculator on the PATH.
QString DefaultCalculator();

// Starts the command line as its own process, never waited for. False when it
// could not start (an empty command line included).
bool StartCalculator(const QString& commandLine);

}  // namespace belvane
