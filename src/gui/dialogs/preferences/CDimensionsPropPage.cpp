#include "gui/dialogs/preferences/CDimensionsPropPage.h"

#include "core/StringIds.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 200;

std::vector<int> SelectedRows(const QListWidget* list) {
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows.push_back(i);
    return rows;
}

void FillList(QListWidget* list, const std::vector<ColumnItem>& items,
              const std::vector<int>& selection) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const ColumnItem& c : items) {
        auto* item = new QListWidgetItem(CResources::Str(ids::kColumnTitleFirst + c.id), list);
        // The identifier in the low 16 bits, the width in the high 16 bits.
        item->setData(Qt::UserRole, static_cast<int>(c.id) | (c.width << 16));
    }
    for (int row : selection)
        if (row >= 0 && row < list->count())
            list->item(row)->setSelected(true);
}

}  // namespace

CDimensionsPropPage::CDimensionsPropPage(const std::vector<std::uint8_t>& columns,
                                         const std::array<int, 6>& widths, QWidget* parent)
    : CPropPage(kDialog, parent), m_lists(columns, widths) {
    m_available = dlg::Named(new QListWidget(this), 1266);
    m_displayed = dlg::Named(new QListWidget(this), 1267);
    for (QListWidget* list : {m_available, m_displayed})
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_add = dlg::Button(this, kDialog, 1268);
    m_remove = dlg::Button(this, kDialog, 1269);
    m_up = dlg::Button(this, kDialog, 1087);
    m_down = dlg::Button(this, kDialog, 1088);
    m_width = dlg::Named(new QSpinBox(this), 1273);
    if (auto* field = m_width->findChild<QLineEdit*>()) {
        field->setObjectName(QStringLiteral("1272"));
        field->setMaxLength(3);
    }
    m_widthLabel = dlg::Label(this, kDialog, 1274, m_width);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {m_add, m_remove, m_up, m_down})
        buttons->addWidget(b);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(m_widthLabel);
    widthRow->addWidget(m_width);
    buttons->addLayout(widthRow);
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(dlg::Label(this, kDialog, 1266, m_available), 0, 0);
    grid->addWidget(dlg::Label(this, kDialog, 1267, m_displayed), 0, 2);
    grid->addWidget(m_available, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(m_displayed, 1, 2);

    connect(m_available, &QListWidget::itemSelectionChanged, this,
            &CDimensionsPropPage::AvailableSelectionChanged);
    connect(m_displayed, &QListWidget::itemSelectionChanged, this,
            &CDimensionsPropPage::DisplayedSelectionChanged);
    connect(m_available, &QListWidget::itemDoubleClicked, this, &CDimensionsPropPage::Add);
    connect(m_displayed, &QListWidget::itemDoubleClicked, this, &CDimensionsPropPage::Remove);
    connect(m_add, &QPushButton::clicked, this, &CDimensionsPropPage::Add);
    connect(m_remove, &QPushButton::clicked, this, &CDimensionsPropPage::Remove);
    connect(m_up, &QPushButton::clicked, this, [this] { Move(true); });
    connect(m_down, &QPushButton::clicked, this, [this] { Move(false); });
    connect(m_width, &QSpinBox::valueChanged, this, &CDimensionsPropPage::WidthTyped);

    Fill({}, {});
    ShowButtons({});
}

void CDimensionsPropPage::Fill(const std::vector<int>& availableSelection,
                               const std::vector<int>& displayedSelection) {
    FillList(m_available, m_lists.Available(), availableSelection);
    FillList(m_displayed, m_lists.Displayed(), displayedSelection);
}

void CDimensionsPropPage::ShowButtons(const ColumnButtons& b) {
    m_add->setEnabled(b.add);
    m_remove->setEnabled(b.remove);
    m_up->setEnabled(b.moveUp);
    m_down->setEnabled(b.moveDown);
    m_widthLabel->setVisible(b.widthMax > 0);
    m_width->setVisible(b.widthMax > 0);
    if (b.widthMax > 0) {
        const QSignalBlocker blocker(m_width);
        const int row = SelectedRows(m_displayed).front();
        m_width->setRange(1, b.widthMax);
        m_width->setValue(m_lists.Displayed()[row].width);
    }
}

void CDimensionsPropPage::AvailableSelectionChanged() {
    const std::vector<int> selected = SelectedRows(m_available);
    if (!selected.empty()) {
        const QSignalBlocker blocker(m_displayed);
        m_displayed->clearSelection();
    }
    ShowButtons(ColumnLists::AfterAvailableSelection(selected));
}

void CDimensionsPropPage::DisplayedSelectionChanged() {
    const std::vector<int> selected = SelectedRows(m_displayed);
    ShowButtons(m_lists.AfterDisplayedSelection(selected));
    if (!selected.empty()) {
        const QSignalBlocker blocker(m_available);
        m_available->clearSelection();
    }
}

void CDimensionsPropPage::Add() {
    m_lists.Add(SelectedRows(m_available));
    Fill({}, {});
    AvailableSelectionChanged();
}

void CDimensionsPropPage::Remove() {
    m_lists.Remove(SelectedRows(m_displayed));
    Fill({}, {});
    DisplayedSelectionChanged();
}

void CDimensionsPropPage::Move(bool up) {
    const std::vector<int> selected = SelectedRows(m_displayed);
    const std::vector<int> moved = up ? m_lists.MoveUp(selected) : m_lists.MoveDown(selected);
    FillList(m_displayed, m_lists.Displayed(), moved);
    DisplayedSelectionChanged();
}

void CDimensionsPropPage::WidthTyped(int width) {
    const std::vector<int> selected = SelectedRows(m_displayed);
    if (selected.empty())
        return;
    m_lists.SetWidth(selected.front(), width);
    const ColumnItem& c = m_lists.Displayed()[selected.front()];
    m_displayed->item(selected.front())
        ->setData(Qt::UserRole, static_cast<int>(c.id) | (c.width << 16));
}

}  // namespace belvane
