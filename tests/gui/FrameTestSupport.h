#pragma once

// Helpers of the frame and application tests: message boxes answered by script,
// registers on disk, a frame on its own settings.

#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"
#include "core/SettingsStore.h"
#include "gui/paint/QtText.h"
#include "gui/support/IMessageBox.h"
#include "gui/support/IModal.h"
#include "gui/window/CMainFrame.h"
#include "uilogic/RecentFiles.h"

#include <QDialog>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

namespace belvane::testing {

// Answers message boxes from a script and records every box shown. A box with
// no scripted answer left gets Cancel (or Ok for a plain notice), which the
// tests check against.
class ScriptedMessageBox final : public IMessageBox {
public:
    struct Shown {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    ScriptedMessageBox() { IMessageBox::Install(this); }
    ~ScriptedMessageBox() override { IMessageBox::Install(nullptr); }

    void Answer(IMessageBox::Answer a) { m_answers.push_back(a); }

    IMessageBox::Answer Show(QWidget*, const QString& text, Icon icon, Buttons buttons) override {
        shown.push_back({text, icon, buttons});
        if (m_answers.isEmpty())
            return buttons == Buttons::Ok ? IMessageBox::Answer::Ok : IMessageBox::Answer::Cancel;
        return m_answers.takeFirst();
    }
    // The questions with buttons of their own take their answers (the index of
    // a choice, -1 for Annuler) from here; none left answers Annuler.
    void Choice(int index) { m_choices.push_back(index); }
    int Choose(QWidget*, const QString& text, Icon icon, const QStringList& choices) override {
        shown.push_back({text, icon, Buttons::Ok});
        this->choices.push_back(choices);
        return m_choices.isEmpty() ? -1 : m_choices.takeFirst();
    }
    void Beep() override { ++beeps; }

    std::vector<Shown> shown;
    std::vector<QStringList> choices;  // the buttons of each question with its own
    int beeps = 0;

private:
    QList<IMessageBox::Answer> m_answers;
    QList<int> m_choices;
};

// Plays the user's part in what the program runs modally, while it lives: a
// dialog of a class given to On() gets that function's answer (the latest given
// first; other dialogs run modally), and each path asked is recorded in `asked`
// and answered with the next of `paths` (none left: the user cancelled).
class ScriptedModal final : public IModal {
public:
    ScriptedModal() : m_outer(IModal::Install(this)) {}
    ~ScriptedModal() override { IModal::Install(m_outer); }
    ScriptedModal(const ScriptedModal&) = delete;
    ScriptedModal& operator=(const ScriptedModal&) = delete;

    template <class D>
    void On(std::function<int(D&)> play) {
        m_plays.push_back([play = std::move(play)](QDialog& d) -> std::optional<int> {
            if (auto* dialog = dynamic_cast<D*>(&d))
                return play(*dialog);
            return std::nullopt;
        });
    }

    int Exec(QDialog& dialog) override {
        for (auto play = m_plays.rbegin(); play != m_plays.rend(); ++play)
            if (const std::optional<int> result = (*play)(dialog))
                return *result;
        return m_outer ? m_outer->Exec(dialog) : dialog.exec();
    }
    QString ChoosePath(QWidget*, const PathRequest& request) override {
        asked.push_back(request);
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }

    QStringList paths;
    std::vector<PathRequest> asked;

private:
    IModal* m_outer;
    std::vector<std::function<std::optional<int>(QDialog&)>> m_plays;
};

inline CLigne TestLine(CivilDate issue, Amount amount, std::string observation = {}) {
    return testutil::MakeLine(ToDayDate(issue), 0, 0, amount, "", "", "", "", "",
                              std::move(observation));
}

inline QString WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

// A register of `lines` lines dated from 1 January 2024, saved at `path`.
inline QString WriteRegister(const QString& path, int lines) {
    CBelvaneDoc doc;
    for (int i = 0; i < lines; ++i)
        doc.AddLine(TestLine({2024, 1, 1 + i % 28}, -100 * (i + 1), "ligne " + std::to_string(i)));
    EXPECT_TRUE(doc.OnSaveDocument(ToStd(path)).ok());
    return path;
}

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A frame on a document, settings and recent-file list of its own, its dialogs
// and files chosen by script.
struct FrameFixture {
    CMemorySettings settings;
    CBelvaneDoc doc{&settings};
    RecentFiles recent{settings};
    ScriptedModal modal;
    std::unique_ptr<CMainFrame> frame;

    void Make() { frame = std::make_unique<CMainFrame>(doc, settings, recent); }
};

}  // namespace belvane::testing
