#pragma once

// Helpers of the dialog and command tests: a control found by its number,
// clicked or filled in, and the texts of the message boxes shown.

#include "FrameTestSupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace belvane::testing {

// Thrown when a control is missing: GoogleTest reports the exception as the
// failure of the running test and goes on with the next one, where following
// a null pointer would end the whole test program.
struct MissingControl : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The control numbered `name` in `parent`, never null: a missing control ends
// the test as failed.
template <class W>
W* Child(const QObject& parent, const char* name) {
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    if (w == nullptr)
        throw MissingControl(std::string("no control ") + name);
    return w;
}

template <class W>
W* Child(const QObject& parent, int number) {
    return Child<W>(parent, QByteArray::number(number).constData());
}

inline QLineEdit* Edit(const QObject& parent, const char* name) {
    return Child<QLineEdit>(parent, name);
}

inline void Click(const QObject& parent, const char* name) {
    Child<QPushButton>(parent, name)->click();
}

inline QStringList Items(const QObject& parent, const char* name) {
    QStringList out;
    const auto* list = Child<QListWidget>(parent, name);
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

inline void ShowAndWait(QWidget& w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
}

inline QStringList Texts(const ScriptedMessageBox& box) {
    QStringList texts;
    for (const ScriptedMessageBox::Shown& s : box.shown)
        texts << s.text;
    return texts;
}

}  // namespace belvane::testing
