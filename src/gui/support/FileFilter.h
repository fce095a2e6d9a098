#pragma once

#include <QString>

namespace belvane {

// The file types of a resource filter ("Name (*.x)|*.x|Tous les Fichiers
// (*.*)|*.*||") in the form of Qt's file dialogs: the names, which carry their
// patterns, joined by ";;". Away from Windows "(*.*)" becomes "(*)", which also
// offers the files without an extension.
QString QtFilter(const QString& resource);

// "Tous les fichiers": every file, in the same form.
QString AllFilesFilter();

}  // namespace belvane
