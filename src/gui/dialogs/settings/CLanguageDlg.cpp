#include "gui/dialogs/settings/CLanguageDlg.h"

#include "core/SettingsStore.h"
#include "gui/support/CLanguageModule.h"
#include "gui/support/CResources.h"
#include "gui/support/DesktopLanguage.h"
#include "gui/support/DialogSupport.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kItemHeight = 18;
constexpr int kBannerWidth = 200;
// The flag of a banner, which a selected item leaves as it is.
const QRect kFlagArea(QPoint(4, 3), QPoint(22, 15));
constexpr int kEntryRole = Qt::UserRole;

// Draws an item as its banner; a selected item is inverted except its flag.
class BannerDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPixmap banner = index.data(Qt::DecorationRole).value<QPixmap>();
        if (banner.isNull()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QPoint origin = option.rect.topLeft();
        if (!(option.state & QStyle::State_Selected)) {
            painter->drawPixmap(origin, banner);
            return;
        }
        QImage inverted = banner.toImage().convertToFormat(QImage::Format_ARGB32);
        inverted.invertPixels(QImage::InvertRgb);
        painter->drawImage(origin, inverted);
        painter->drawPixmap(origin + kFlagArea.topLeft(), banner, kFlagArea);
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {kBannerWidth, kItemHeight};
    }
};

QPixmap BannerPixmap(const std::string& xpm) {
    QPixmap pixmap;
    if (!xpm.empty())
        pixmap.loadFromData(reinterpret_cast<const uchar*>(xpm.data()),
                            static_cast<uint>(xpm.size()), "XPM");
    return pixmap;
}

// Text of the selected language, or of the running one when it has none.
QString OrActive(const std::string& text, int id) {
    return text.empty() ? CResources::Str(id) : FromStd(text);
}

}  // namespace

CLanguageDlg::CLanguageDlg(QWidget* parent, ISettingsStore& settings, bool firstStart,
                           QString programDir)
    : CLanguageDlg(parent, settings, firstStart, std::move(programDir),
                   firstStart ? DesktopLangId() : ParseLangId(CResources::Active().String(95))) {}

CLanguageDlg::CLanguageDlg(QWidget* parent, ISettingsStore& settings, bool firstStart,
                           QString programDir, int wantedLangId)
    : QDialog(parent),
      m_settings(settings),
      m_firstStart(firstStart),
      m_programDir(std::move(programDir)) {
    m_list = new QListWidget(this);
    m_list->setItemDelegate(new BannerDelegate(m_list));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    m_list->setMinimumWidth(kBannerWidth + 2 * m_list->frameWidth() + 20);
    m_list->installEventFilter(this);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("1192"));
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("1"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("2"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_text);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &CLanguageDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CLanguageDlg::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CLanguageDlg::accept);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CLanguageDlg::ApplySelection);

    if (m_firstStart) {
        m_cancel->hide();
        m_cancel->setEnabled(false);
    }
    FillEntries();
    FillList();
    m_closesItself = m_firstStart && m_entries.size() == 1;
    SelectEntry(static_cast<int>(PreferredLanguage(m_entries, wantedLangId)));
    ApplySelection();
}

void CLanguageDlg::FillEntries() {
    const CResourceSet& builtin = CResourceSet::Builtin();
    // String 96 is the built-in language's own name ("Français").
    m_entries.push_back(
        MakeLanguageEntry(builtin.String(96), std::string(kBuiltinLanguageFile), builtin));
    const QDir dir(m_programDir);
    if (!m_programDir.isEmpty()) {
        const QStringList files =
            dir.entryList({CLanguageModule::LibraryPattern()}, QDir::Files, QDir::Name);
        for (const QString& file : files) {
            std::optional<CLanguageModule::Probe> probe =
                CLanguageModule::Inspect(dir.filePath(file));
            if (probe) {
                m_entries.push_back(
                    MakeLanguageEntry(std::move(probe->language), ToStd(file), probe->resources));
            }
        }
    }
    for (const LanguageEntry& entry : m_entries)
        m_banners.push_back(BannerPixmap(entry.banner));
}

void CLanguageDlg::FillList() {
    for (const std::size_t i : DisplayOrder(m_entries)) {
        auto* item = new QListWidgetItem(FromStd(m_entries[i].displayName), m_list);
        item->setData(Qt::DecorationRole, m_banners[i]);
        item->setData(kEntryRole, static_cast<int>(i));
        item->setSizeHint(QSize(kBannerWidth, kItemHeight));
    }
}

int CLanguageDlg::SelectedEntry() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->data(kEntryRole).toInt();
}

void CLanguageDlg::SelectEntry(int index) {
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        if (item->data(kEntryRole).toInt() == index) {
            m_list->setCurrentItem(item);
            item->setSelected(true);
            m_list->scrollToItem(item);
            return;
        }
    }
    m_list->clearSelection();
}

void CLanguageDlg::ApplySelection() {
    const int index = SelectedEntry();
    m_ok->setEnabled(index >= 0);
    if (index < 0) {
        setWindowTitle(CResources::Str(90));
        m_ok->setText(CResources::Str(91));
        m_cancel->setText(CResources::Str(92));
        m_text->setText(CResources::Str(93));
        return;
    }
    // The dialog speaks the language being chosen.
    const LanguageEntry& entry = m_entries[static_cast<std::size_t>(index)];
    setWindowTitle(OrActive(entry.title, 90));
    m_ok->setText(OrActive(entry.ok, 91));
    m_cancel->setText(OrActive(entry.cancel, 92));
    m_text->setText(m_firstStart ? OrActive(entry.textFirst, 94) : OrActive(entry.textNormal, 93));
}

void CLanguageDlg::accept() {
    const int index = SelectedEntry();
    if (index < 0)
        return;
    m_settings.WriteString("Settings", "LanguageDLLName",
                           m_entries[static_cast<std::size_t>(index)].fileName);
    QDialog::accept();
}

void CLanguageDlg::reject() {
    if (!m_firstStart)
        QDialog::reject();
}

void CLanguageDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_closesItself)
        QTimer::singleShot(0, this, &CLanguageDlg::accept);
}

bool CLanguageDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
            std::vector<std::string> names;
            for (int row = 0; row < m_list->count(); ++row)
                names.push_back(ToStd(m_list->item(row)->text()));
            const std::optional<std::size_t> row = FindByLetter(
                names, m_list->currentRow(), static_cast<char>('A' + (key->key() - Qt::Key_A)));
            if (row) {
                m_list->setCurrentRow(static_cast<int>(*row));
                m_list->item(static_cast<int>(*row))->setSelected(true);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace belvane
