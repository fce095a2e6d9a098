#pragma once

#include <QDialog>

#include <functional>

class QListWidget;

namespace belvane {

class CBelvaneDoc;
class CLigne;

// The manual creation dialog (dialog 187): the titles of the movements in
// register order; "Créer" or a double click on a title opens the line entry
// dialog in manual creation mode on a line filled from that movement, and hands
// each line accepted there to `add`. The movement's next date is left alone.
// Message 10001 when the register is full. It stays open until "Fermer". Child
// object names: "1117" list, "1" Créer, "57670" Aide, "2" Fermer.
class CCreationManuelleDlg : public QDialog {
    Q_OBJECT

public:
    CCreationManuelleDlg(CBelvaneDoc& doc, std::function<void(const CLigne&)> add,
                         QWidget* parent = nullptr);

private:
    void Create();

    CBelvaneDoc& m_doc;
    std::function<void(const CLigne&)> m_add;
    QListWidget* m_list = nullptr;
};

}  // namespace belvane
