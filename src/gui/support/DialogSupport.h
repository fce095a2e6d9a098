#pragma once

#include "gui/paint/QtText.h"

#include "gui/support/IMessageBox.h"

#include "core/Status.h"
#include "core/ValueFormat.h"

#include <QString>
#include <QStringList>

#include <ctime>
#include <string>
#include <string_view>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialog;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// What every dialog of the program shares: its texts come from the resource set
// by dialog and control number, each control carries its number as object name
// (so that tests and accessibility tools find it), messages are numbered
// strings shown through IMessageBox.
namespace belvane::dlg {

// Text limits shared by the entry dialogs, in characters. A date or an amount
// field takes one character more than the longest text its reader takes, so
// that what it has to cut could never have been read: it is refused instead.
inline constexpr int kDateChars = kLongestDateChars + 1;
inline constexpr int kAmountChars = kLongestAmountChars + 1;
inline constexpr int kReferenceChars = 16;
inline constexpr int kNameChars = 32;
inline constexpr int kObservationChars = 128;

// The "&Aide" button of most dialogs.
inline constexpr int kHelpButton = 57670;

// The text of control `control` of dialog `dialog` in the active resource set.
QString Text(int dialog, int control);
// The same text for a window title: its mnemonic '&' left out ("&&" gives '&').
QString TitleText(int dialog, int control);
// The entries of list or combo box `control` (stored under -control), in order.
QStringList Entries(int dialog, int control);
// The dialog's title (control 0).
void SetTitle(QDialog* dialog, int dialogId);

// Gives `widget` its control number as object name and returns it.
template <class W>
W* Named(W* widget, int control) {
    widget->setObjectName(QString::number(control));
    return widget;
}

// A push button, check box or radio button with the text of its control.
QPushButton* Button(QWidget* parent, int dialog, int control);
QCheckBox* CheckBox(QWidget* parent, int dialog, int control);
QRadioButton* Radio(QWidget* parent, int dialog, int control);
// The label of `buddy` (its mnemonic moves the focus there), with the text the
// resource set keeps under `control`. A label without its own number is named
// "label<control>".
QLabel* Label(QWidget* parent, int dialog, int control, QWidget* buddy = nullptr);
// A line edit limited to `maxChars`, named by its control number.
QLineEdit* Edit(QWidget* parent, int control, int maxChars);
// An editable combo box limited to `maxChars`, without completion of its own
// and never adding what is typed to its list.
QComboBox* Combo(QWidget* parent, int control, int maxChars);

// Shows a stored text in a field limited to `limit` characters. A longer text
// (read from an older file, say) is shown whole, the limit rising to its length,
// so that confirming the dialog never cuts what was stored.
void ShowText(QLineEdit* edit, const QString& text, int limit);
void ShowText(QComboBox* combo, const QString& text, int limit);

// When the combo box's text equals one of its entries without regard to case,
// takes the entry's own letter case. Returns the entry's index, or -1.
int TakeEntryCase(QComboBox* combo);

// The OK ("1", default) and Cancel ("2") buttons of an entry dialog, on a
// right-aligned row, wired to the dialog's accept() and reject().
QHBoxLayout* OkCancelRow(QDialog* dialog, int dialogId);

// Refusals and errors: exclamation icon, OK.
void Refuse(QWidget* parent, int stringId);
void Refuse(QWidget* parent, const QString& text);
// The message of failure `status` (see FailureMessage), naming its file;
// nothing when `status` is Ok.
void ShowFailure(QWidget* parent, const Status& status);
// Questions with the question icon.
IMessageBox::Answer AskYesNo(QWidget* parent, const QString& text);
IMessageBox::Answer AskYesNoCancel(QWidget* parent, const QString& text);
// Notices: information icon.
void Inform(QWidget* parent, int stringId);
void Beep();

// Opens the help page of a dialog (an anchor of the help pages).
void ShowHelp(const QString& topic);

// Puts the focus on `field` and selects its text, as a check that failed does.
void FocusField(QWidget* field);

// A moment of the machine's clock as messages show it: its date in the
// register's `dateFormat`, then its time ("14:32").
QStringList DateAndTime(std::time_t moment, const std::string& dateFormat);

}  // namespace belvane::dlg
