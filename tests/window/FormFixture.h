#pragma once

#include "app/Form1.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

// A window over a course list in a fresh directory. Every message it shows
// is recorded; questions take the answers queued in `answers`, and a
// question without one fails the test rather than waiting for a person.
class FormTest : public ::testing::Test
{
protected:
    QString ListFile() const { return directory.filePath(QStringLiteral("liste.txt")); }

    void WriteList(const QByteArray& bytes)
    {
        QFile file(ListFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray ReadList() const
    {
        QFile file(ListFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    Form1& MakeForm()
    {
        form = std::make_unique<Form1>(ListFile());
        form->SetMessageFunction([this](const Message& message) { return Answer(message); });
        return *form;
    }

    Form1& LoadForm(const QByteArray& listBytes)
    {
        WriteList(listBytes);
        MakeForm();
        form->Form_Load();
        return *form;
    }

    // Shows the window and makes it the active one, for focus and keys.
    void ShowActive()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    QTemporaryDir directory;
    std::unique_ptr<Form1> form;
    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
    // Runs when a message arrives, before it is answered.
    std::function<void(const Message&)> onMessage;

private:
    MessageAnswer Answer(const Message& message)
    {
        messages.push_back(message);
        if (onMessage)
            onMessage(message);
        if (message.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unanswered question: " << message.text.toStdString();
            return message.buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                            : MessageAnswer::Cancel;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Course list lines as the program writes them.
inline QByteArray ListLine(const char* caption, int priority)
{
    return QByteArray(caption) + ",0," + QByteArray::number(priority) +
           ",255,10000000000000000000,\r\n";
}
