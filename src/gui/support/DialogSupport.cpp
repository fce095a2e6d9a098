#include "gui/support/DialogSupport.h"

#include "core/DayDate.h"
#include "core/FailureMessage.h"
#include "core/Text.h"
#include "core/ValueFormat.h"
#include "gui/support/CResources.h"
#include "gui/support/HelpPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateTime>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>

namespace belvane::dlg {

QString Text(int dialog, int control) {
    return CResources::DialogText(dialog, control);
}

QString TitleText(int dialog, int control) {
    const QString text = Text(dialog, control);
    QString title;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ++i == text.size())
            break;
        title += text[i];
    }
    return title;
}

QStringList Entries(int dialog, int control) {
    const QString text = CResources::DialogText(dialog, -control);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void SetTitle(QDialog* dialog, int dialogId) {
    dialog->setWindowTitle(Text(dialogId, 0));
}

QPushButton* Button(QWidget* parent, int dialog, int control) {
    auto* button = new QPushButton(Text(dialog, control), parent);
    button->setAutoDefault(false);
    // F1 presses a dialog's "Aide" while it is shown.
    if (control == kHelpButton) {
        auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), parent);
        QObject::connect(f1, &QShortcut::activated, button, [button] {
            if (button->isVisible() && button->isEnabled())
                button->click();
        });
    }
    return Named(button, control);
}

QCheckBox* CheckBox(QWidget* parent, int dialog, int control) {
    return Named(new QCheckBox(Text(dialog, control), parent), control);
}

QRadioButton* Radio(QWidget* parent, int dialog, int control) {
    return Named(new QRadioButton(Text(dialog, control), parent), control);
}

QLabel* Label(QWidget* parent, int dialog, int control, QWidget* buddy) {
    auto* label = new QLabel(Text(dialog, control), parent);
    if (buddy) {
        label->setBuddy(buddy);
        label->setObjectName(QStringLiteral("label%1").arg(control));
    } else {
        label->setObjectName(QString::number(control));
    }
    return label;
}

QLineEdit* Edit(QWidget* parent, int control, int maxChars) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxChars);
    return Named(edit, control);
}

QComboBox* Combo(QWidget* parent, int control, int maxChars) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(12);
    combo->lineEdit()->setMaxLength(maxChars);
    return Named(combo, control);
}

void ShowText(QLineEdit* edit, const QString& text, int limit) {
    edit->setMaxLength(std::max(limit, static_cast<int>(text.size())));
    edit->setText(text);
}

void ShowText(QComboBox* combo, const QString& text, int limit) {
    if (QLineEdit* edit = combo->lineEdit())
        edit->setMaxLength(std::max(limit, static_cast<int>(text.size())));
    combo->setEditText(text);
}

int TakeEntryCase(QComboBox* combo) {
    const QString text = combo->currentText();
    const std::string typed = ToStd(text);
    for (int i = 0; i < combo->count(); ++i) {
        // The same comparison as the register's own name lookups.
        if (text::EqualsNoCase(ToStd(combo->itemText(i)), typed)) {
            if (combo->itemText(i) != text)
                combo->setEditText(combo->itemText(i));
            return i;
        }
    }
    return -1;
}

QHBoxLayout* OkCancelRow(QDialog* dialog, int dialogId) {
    auto* ok = Named(new QPushButton(Text(dialogId, 1), dialog), 1);
    ok->setDefault(true);
    auto* cancel = Named(new QPushButton(Text(dialogId, 2), dialog), 2);
    cancel->setAutoDefault(false);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

void Refuse(QWidget* parent, int stringId) {
    Refuse(parent, CResources::Str(stringId));
}

void Refuse(QWidget* parent, const QString& text) {
    IMessageBox::Current().Show(parent, text, IMessageBox::Icon::Warning, IMessageBox::Buttons::Ok);
}

void ShowFailure(QWidget* parent, const Status& status) {
    if (status.ok())
        return;
    Refuse(parent, FromStd(FailureMessage(status, CResources::Active().Strings(), status.file())));
}

IMessageBox::Answer AskYesNo(QWidget* parent, const QString& text) {
    return IMessageBox::Current().Show(parent, text, IMessageBox::Icon::Question,
                                       IMessageBox::Buttons::YesNo);
}

IMessageBox::Answer AskYesNoCancel(QWidget* parent, const QString& text) {
    return IMessageBox::Current().Show(parent, text, IMessageBox::Icon::Question,
                                       IMessageBox::Buttons::YesNoCancel);
}

void Inform(QWidget* parent, int stringId) {
    IMessageBox::Current().Show(parent, CResources::Str(stringId), IMessageBox::Icon::Information,
                                IMessageBox::Buttons::Ok);
}

void Beep() {
    IMessageBox::Current().Beep();
}

void ShowHelp(const QString& topic) {
    belvane::ShowHelp(topic);
}

void FocusField(QWidget* field) {
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

QStringList DateAndTime(std::time_t moment, const std::string& dateFormat) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(moment);
    const QDate day = local.date();
    return {FromStd(FormatDate(ToDayDate(day.year(), day.month(), day.day()), dateFormat)),
            local.time().toString(QStringLiteral("HH:mm"))};
}

}  // namespace belvane::dlg
