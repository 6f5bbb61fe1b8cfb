#pragma once

#include "app/Form1.h"
#include "controls/ControlColors.h"
#include "general/Windows1252.h"
#include "search/WeekGrid.h"
#include "support/QtPrinting.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>

using WeekGrid::BodyElement;
using WeekGrid::CornerElement;

// A course list line: name, priority, offered positions, VisitAll, colour.
inline QByteArray Line(const QString& name, int priority,
                       std::initializer_list<int> positions = {1}, bool visitAll = false,
                       qint32 color = 255)
{
    QByteArray mask(20, '0');
    for (const int position : positions)
        mask[position - 1] = '1';
    return STD::Windows1252::Encode(name) + (visitAll ? ",1," : ",0,") +
           QByteArray::number(priority) + ',' + QByteArray::number(color) + ',' + mask + ",\r\n";
}

// The chooser's items, checked to name the courses in the same order and
// to leave the spare position empty.
inline QStringList ChooserNames(const Form1& form)
{
    QStringList names;
    for (int i = 0; i < form.Combo1->ListCount(); ++i) {
        names << form.Combo1->List(i);
        EXPECT_EQ(form.Courses[i].Caption, names.last());
    }
    EXPECT_EQ(form.Courses[form.Courses.Count()], Termin{}) << "the spare position";
    return names;
}

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

    // The list, or another file in the list's directory.
    QByteArray ReadList(const QString& name = QStringLiteral("liste.txt")) const
    {
        QFile file(directory.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    Form1& MakeForm()
    {
        form = std::make_unique<Form1>(ListFile());
        form->SetMessageFunction([this](const Message& message) { return Answer(message); });
        return *form;
    }

    void LoadForm(const QByteArray& listBytes)
    {
        WriteList(listBytes);
        MakeForm().Form_Load();
    }

    // Focus and keys need the active window.
    void ShowActive()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    QString Corner() const { return form->Label2[CornerElement]->text(); }

    // As the user replaces a field's text: select all, then type.
    static void TypeOver(QWidget* field, const QString& text)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    std::vector<Termin> AllCourses() const { return {form->Courses.begin(), form->Courses.end()}; }

    // The body cells that show a course, by element index.
    std::map<int, QString> PaintedCells() const
    {
        std::map<int, QString> painted;
        for (int position = 1; position <= 20; ++position) {
            const QString caption = form->Label2[BodyElement(position)]->text();
            if (caption != QStringLiteral("-"))
                painted[BodyElement(position)] = caption;
        }
        return painted;
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
            return MessageAnswer::Cancel;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

using Cells = std::map<int, QString>;
