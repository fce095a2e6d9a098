#include "gui/support/IMessageBox.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

class ScriptedBox final : public IMessageBox {
public:
    Answer Show(QWidget*, const QString& text, Icon, Buttons) override {
        shown = text;
        return Answer::No;
    }
    void Beep() override { ++beeps; }
    QString shown;
    int beeps = 0;
};

TEST(MessageBox, TestsCanAnswerInsteadOfTheUser) {
    ScriptedBox box;
    IMessageBox::Install(&box);
    EXPECT_EQ(IMessageBox::Current().Show(nullptr, QStringLiteral("Question ?"),
                                          IMessageBox::Icon::Question, IMessageBox::Buttons::YesNo),
              IMessageBox::Answer::No);
    IMessageBox::Current().Beep();
    EXPECT_EQ(box.shown, QStringLiteral("Question ?"));
    EXPECT_EQ(box.beeps, 1);
    IMessageBox::Install(nullptr);
    EXPECT_NE(&IMessageBox::Current(), &box);
}

}  // namespace
}  // namespace belvane
