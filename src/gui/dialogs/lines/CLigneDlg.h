#pragma once

#include "core/CLigne.h"
#include "gui/dialogs/lines/EntryFields.h"
#include "gui/dialogs/lines/RecordCreators.h"
#include "rules/LineEntry.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace belvane {

class CBelvaneDoc;
class CDateEdit;

// The line entry dialog (dialog 137): enters a new line, corrects one, or
// creates one from a recurring movement. The validity date follows the issue
// date, the payment method and the sign until the user forces it; the
// observation completes from the last lines; unknown names may be created on
// the spot. Child object names are the control numbers.
class CLigneDlg : public QDialog {
    Q_OBJECT

public:
    enum Mode {
        kNew = 1,
        kCorrection = 2,
        kManualCreation = 3,
        kAutomaticCreation = 4,
        kAnticipatedCreation = 5,
    };
    // What the creation modes 4 and 5 report when no line was created.
    enum ResultCode : std::uint16_t { kResultCancel = 1, kResultRevoke = 2, kResultNext = 3 };

    explicit CLigneDlg(CBelvaneDoc& doc, QWidget* parent = nullptr);
    CLigneDlg(CBelvaneDoc& doc, RecordCreators creators, QWidget* parent = nullptr);

    // Prepares an opening on `line` (read now, filled on OK): `index` is the
    // line's index in mode 2, the movement's in modes 3 to 5; `resultCode`
    // receives the result code in modes 4 and 5. The dialog may be opened again.
    void Open(CLigne& line, int mode, int index, std::uint16_t* resultCode = nullptr);
    // Open(), then runs the dialog modally. Returns QDialog::Accepted when the
    // line was filled.
    int Run(CLigne& line, int mode, int index, std::uint16_t* resultCode = nullptr);

    // The widgets, for the frame's tests and accessibility tools.
    CDateEdit* IssueField() const { return m_issue; }
    QCheckBox* ForceBox() const { return m_force; }

public slots:
    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    bool IsCreationMode() const { return m_mode >= kManualCreation; }
    void ShowButtons();

    // Field events.
    void RefreshValidity();
    void OnValidityEdited();
    void OnSignChanged();
    void OnComboLeft(QComboBox* combo);
    void OnPayeeEdited();
    void OnObservationChanged();
    void Close(ResultCode code);
    void Help();

    LineEntryTexts ReadTexts() const;
    QWidget* FieldWidget(EntryField field) const;

    CBelvaneDoc& m_doc;
    RecordCreators m_creators;
    CLigne* m_line = nullptr;
    int m_mode = kNew;
    int m_index = 0;
    std::uint16_t* m_resultCode = nullptr;
    bool m_opened = false;
    bool m_completing = false;
    ObservationCompleter m_completer;
    EntryFields m_fields;

    CDateEdit* m_issue = nullptr;
    CDateEdit* m_statement = nullptr;
    QLineEdit* m_reference = nullptr;
    QGroupBox* m_validityGroup = nullptr;
    CDateEdit* m_validity = nullptr;
    QCheckBox* m_force = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_createLine = nullptr;
    QPushButton* m_revoke = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_cancel3 = nullptr;
    QPushButton* m_help3 = nullptr;
};

}  // namespace belvane
