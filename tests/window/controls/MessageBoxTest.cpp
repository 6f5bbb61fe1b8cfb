#include "controls/MessageBox.h"
#include "support/QtPrinting.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The real box, run modally, answered by a key press as soon as it shows:
// the key goes where the user's would, to the box's focused control.
MessageAnswer AnswerWithKey(const Message& message, Qt::Key key)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        // Pressed again on the next tick should the box still be open.
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused && box->isAncestorOf(focused) ? focused : box, key);
    });
    poll.start(50);
    return ShowMessageBox(nullptr, message);
}

TEST(MessageBoxTest, EnterTakesTheDefaultButtonAndEscapeTheLastChoice)
{
    const struct
    {
        MessageButtons buttons;
        std::optional<MessageAnswer> defaultAnswer;
        MessageAnswer onEnter, onEscape;
    } cases[] = {
        {MessageButtons::YesNo, std::nullopt, MessageAnswer::Yes, MessageAnswer::No},
        {MessageButtons::YesNo, MessageAnswer::No, MessageAnswer::No, MessageAnswer::No},
        {MessageButtons::RetrySaveAsDiscardCancel, std::nullopt, MessageAnswer::Retry,
         MessageAnswer::Cancel},
        {MessageButtons::Ok, std::nullopt, MessageAnswer::Ok, MessageAnswer::Ok},
    };
    for (const auto& c : cases) {
        const Message message{.text = u"Frage"_s,
                              .title = u"Kalustra"_s,
                              .buttons = c.buttons,
                              .icon = MessageIcon::Question,
                              .defaultAnswer = c.defaultAnswer};
        EXPECT_EQ(AnswerWithKey(message, Qt::Key_Return), c.onEnter) << int(c.buttons);
        EXPECT_EQ(AnswerWithKey(message, Qt::Key_Escape), c.onEscape) << int(c.buttons);
    }
}

} // namespace
