#pragma once

#include <QWidget>

namespace belvane {

// A page of the preferences sheet. It shows the values it was given and keeps
// what the user changes; the sheet's caller applies them.
class CPropPage : public QWidget {
public:
    CPropPage(int dialog, QWidget* parent) : QWidget(parent), m_dialog(dialog) {}

    // The page's dialog number (its texts, its tab's title).
    int Dialog() const { return m_dialog; }
    // On the sheet's OK, for a page that was shown: false refuses OK, with a
    // message given and the focus on the field concerned.
    virtual bool Check() { return true; }

private:
    int m_dialog;
};

}  // namespace belvane
