#pragma once

// Helpers of the dialog and command tests: a control found by its number,
// clicked or filled in, and the texts of the message boxes shown.

#include "FrameTestSupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace belvane::testing {

// The control numbered `name` in `parent`; a failure when there is none.
template <class W>
W* Child(const QObject& parent, const char* name) {
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
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

// The texts of the list numbered `name`, from the top.
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
