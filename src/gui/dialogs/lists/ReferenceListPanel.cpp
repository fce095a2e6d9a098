#include "gui/dialogs/lists/ReferenceListPanel.h"

#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"

#include <QDialog>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace belvane {

ReferenceListPanel::ReferenceListPanel(QWidget* dialog, int dialogId, const Controls& controls,
                                       Records records)
    : QObject(dialog), m_dialog(dialog), m_records(std::move(records)) {
    m_list = dlg::Named(new QListWidget(dialog), controls.list);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    const auto add = [&](int control, auto handler) {
        if (control == 0)
            return;
        QPushButton* b = dlg::Button(dialog, dialogId, control);
        connect(b, &QPushButton::clicked, this, handler);
        m_buttons.push_back(b);
    };
    add(controls.create, [this] { OnNew(); });
    add(controls.modify, [this] { OnModify(); });
    add(controls.remove, [this] { OnDelete(); });
    add(controls.up, [this] { OnMove(-1); });
    add(controls.down, [this] { OnMove(+1); });
    add(controls.sortUp, [this] { OnSort(true); });
    add(controls.sortDown, [this] { OnSort(false); });
    for (int control : {controls.modify, controls.remove, controls.up, controls.down}) {
        if (control != 0)
            m_followers.push_back(Button(control));
    }
    connect(m_list, &QListWidget::itemSelectionChanged, this, &ReferenceListPanel::ApplySelection);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ReferenceListPanel::OnModify);
}

QPushButton* ReferenceListPanel::Button(int control) const {
    const QString name = QString::number(control);
    for (QPushButton* b : m_buttons) {
        if (b->objectName() == name)
            return b;
    }
    return nullptr;
}

std::array<QPushButton*, 2> ReferenceListPanel::HelpAndClose(QDialog* dialog, int dialogId) {
    auto* help = dlg::Button(dialog, dialogId, dlg::kHelpButton);
    auto* close = dlg::Button(dialog, dialogId, 2);
    close->setDefault(true);
    connect(help, &QPushButton::clicked, dialog,
            [dialogId] { dlg::ShowHelp(QStringLiteral("dialog-%1").arg(dialogId)); });
    connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    return {help, close};
}

QVBoxLayout* ReferenceListPanel::ButtonColumn(const std::array<QPushButton*, 2>& after) const {
    auto* column = new QVBoxLayout;
    for (QPushButton* b : m_buttons)
        column->addWidget(b);
    column->addStretch();
    for (QPushButton* w : after)
        column->addWidget(w);
    return column;
}

QGridLayout* ReferenceListPanel::ButtonRows() const {
    auto* rows = new QGridLayout;
    for (int i = 0; i < static_cast<int>(m_buttons.size()); ++i)
        rows->addWidget(m_buttons[i], i / 4, i % 4);
    return rows;
}

int ReferenceListPanel::Selected() const {
    const int row = m_list->currentRow();
    return row >= 0 && m_list->item(row)->isSelected() ? row : -1;
}

void ReferenceListPanel::FollowSelection(std::vector<QWidget*> widgets) {
    m_followers.insert(m_followers.end(), widgets.begin(), widgets.end());
}

void ReferenceListPanel::Fill() {
    const int row = Selected();
    {
        // The selection rule is applied once, below.
        const QSignalBlocker block(m_list);
        m_list->clear();
        for (int i = 0; i < m_records.count(); ++i)
            m_list->addItem(FromStd(m_records.name(i)));
    }
    Select(row < 0 ? -1 : std::min(row, static_cast<int>(m_list->count()) - 1));
    ApplySelection();
}

void ReferenceListPanel::Select(int row) {
    if (row >= 0 && row < m_list->count()) {
        m_list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        m_list->scrollToItem(m_list->item(row));
    } else {
        m_list->setCurrentRow(-1, QItemSelectionModel::Clear);
    }
}

// Without a selection the buttons acting on a record are disabled, and the
// focus, if it was on one of them, goes to the list.
void ReferenceListPanel::ApplySelection() {
    const int row = Selected();
    const bool focusInside = std::any_of(m_followers.begin(), m_followers.end(),
                                         [](QWidget* w) { return w->hasFocus(); });
    if (row < 0 && focusInside)
        m_list->setFocus(Qt::OtherFocusReason);
    for (QWidget* w : m_followers)
        w->setEnabled(row >= 0);
    emit selectionApplied(row);
}

void ReferenceListPanel::OnNew() {
    m_records.create();
    Fill();
}

void ReferenceListPanel::OnModify() {
    const int i = Selected();
    if (i < 0)
        return;
    m_records.modify(i);
    Fill();
}

void ReferenceListPanel::OnDelete() {
    const int i = Selected();
    if (i < 0 || dlg::AskYesNo(m_dialog, CResources::Str(m_records.removeQuestion)) !=
                     IMessageBox::Answer::Yes)
        return;
    m_records.remove(i);
    Fill();
}

// A record at the end it moves towards stays there, with a beep; a moved record
// stays selected.
void ReferenceListPanel::OnMove(int delta) {
    const int i = Selected();
    if (i < 0)
        return;
    const int to = m_records.move(i, delta);
    if (to < 0) {
        dlg::Beep();
        return;
    }
    Select(to);
    Fill();
}

// With two records or more: the name selected before is selected again.
void ReferenceListPanel::OnSort(bool ascending) {
    if (m_records.count() < 2)
        return;
    const int i = Selected();
    const QString name = i >= 0 ? m_list->item(i)->text() : QString();
    m_records.sort(ascending);
    Fill();
    if (i < 0)
        return;
    // Selecting the name again applies the selection rule through the signal.
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->text() == name) {
            Select(row);
            return;
        }
    }
    Select(-1);
}

}  // namespace belvane
