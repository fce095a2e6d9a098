#pragma once

class QWidget;

namespace belvane {

class CBelvaneDoc;
class ISettingsStore;

// "Importer un relevé": the bank's statement file chosen and read (with a
// progress dialog for a long one, the day/month order asked when the file does
// not tell it, the columns of an unknown CSV asked and remembered for the bank
// of the register), matched with the register and shown in the import window;
// on OK applied as one change. A file that cannot be read changes nothing.
void ImportStatement(CBelvaneDoc& doc, ISettingsStore& settings, QWidget* parent);

}  // namespace belvane
