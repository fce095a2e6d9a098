#pragma once

#include "rules/Balances.h"

#include <QDialog>

#include <optional>
#include <utility>

class QLineEdit;
class QPushButton;

namespace belvane {

class CBelvaneDoc;
class CDateEdit;

// The totals dialog (188): the three balances of the account over all lines or
// over a range of issue (or validity) dates. It changes nothing in the document.
class CTotauxDlg : public QDialog {
    Q_OBJECT

public:
    explicit CTotauxDlg(const CBelvaneDoc& doc, QWidget* parent = nullptr);

    // "&Calculer": reads the two dates (an empty one is no bound) and shows the
    // three balances, signed. A date that does not read, or a start after the
    // end, is refused with a message and the balances shown stay.
    void Compute();
    const Balances& Shown() const { return m_shown; }

signals:
    // "Totaux par &rubriques": the range of the two dates, `start` 0 and `end`
    // kOpenEndDate for an empty field; not emitted when the dates are refused.
    void byCategoryRequested(belvane::DayDate start, belvane::DayDate end);

private:
    // The two dates as Compute() checks them, or nothing after a refusal.
    std::optional<std::pair<DayDate, DayDate>> Range();

    const CBelvaneDoc& m_doc;
    Balances m_shown;
    CDateEdit* m_from = nullptr;
    CDateEdit* m_to = nullptr;
    QLineEdit* m_available = nullptr;
    QLineEdit* m_real = nullptr;
    QLineEdit* m_lastStatement = nullptr;
    QPushButton* m_byCategory = nullptr;
};

}  // namespace belvane
