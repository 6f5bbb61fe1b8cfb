#include "controls/ChooserBox.h"
#include "controls/InfoField.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Field
{
    QWidget* widget;
    std::function<QString()> text;
};

// A key whose text Windows-1252 may lack, as a keyboard layout sends it.
void Type(QWidget* widget, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

// Typed, composed or pasted, a character the file cannot hold stays out,
// the rest goes in, and the notice names the character.
TEST(RefusedCharacters, TheNameAndTheNotesKeepWhatTheFileCanHold)
{
    ChooserBox chooser;
    InfoField notes;
    for (const Field& field : {Field{&chooser, [&] { return chooser.Text(); }},
                               Field{&notes, [&] { return notes.Text(); }}}) {
        field.widget->show();
        for (const QString& key : {u"K"_s, u"ł"_s, u"ö"_s, u"😀"_s, u"€"_s})
            Type(field.widget, key);
        EXPECT_EQ(field.text(), u"Kö€"_s);
        EXPECT_TRUE(QToolTip::text().contains(u"„😀“ (U+1F600)"_s))
            << QToolTip::text().toStdString();

        QInputMethodEvent composed;
        composed.setCommitString(u"ωa"_s);
        QApplication::sendEvent(field.widget, &composed);
        EXPECT_EQ(field.text(), u"Kö€a"_s);

        QApplication::clipboard()->setText(u" Łódź, Ωμέγα"_s);
        QTest::keyClick(field.widget, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field.text(), u"Kö€a ód, "_s);
        const QString notice = QToolTip::text();
        EXPECT_TRUE(notice.contains(u"„Ł“ (U+0141), „ź“ (U+017A), „Ω“ (U+03A9), „μ“ (U+03BC), "
                                    u"„έ“ (U+03AD) …"_s))
            << notice.toStdString();
        EXPECT_TRUE(notice.contains(u"Windows-1252"_s));
        field.widget->hide();
    }
}

// A drop brings its text through the same door as a paste.
TEST(RefusedCharacters, ADropIsFilteredToo)
{
    InfoField notes;
    notes.show();
    QMimeData data;
    data.setText(u"Σ1"_s);
    const QPoint at = notes.viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(notes.viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(notes.viewport(), &drop);
    EXPECT_EQ(notes.Text(), u"1"_s);
}

} // namespace
