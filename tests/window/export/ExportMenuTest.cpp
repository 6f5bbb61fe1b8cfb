// The exports from the window: the grid's menu and shortcuts, each dialog
// answered through the seam, each file read back.
#include "window/FormFixture.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPrinter>

using namespace Qt::Literals::StringLiterals;

namespace {

class ExportMenuTest : public FormTest
{
protected:
    // Answers every export dialog: files go to `target` (none: cancelled),
    // the printer prints to a PDF beside the list.
    void AnswerDialogs()
    {
        form->SetExportDialogs({
            .chooseFile =
                [this](const FileRequest& request) {
                    requests.push_back(request);
                    return target;
                },
            .askPeriod =
                [this](const LecturePeriod& proposed) {
                    proposedPeriod = proposed;
                    return std::optional(LecturePeriod{QDate(2027, 4, 12), QDate(2027, 7, 16)});
                },
            .setUpPrinter =
                [this](QPrinter& printer) {
                    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
                    printer.setOutputFormat(QPrinter::PdfFormat);
                    printer.setOutputFileName(directory.filePath(u"gedruckt.pdf"_s));
                    return true;
                },
        });
    }

    std::optional<QString> target;
    std::vector<FileRequest> requests;
    LecturePeriod proposedPeriod;
};

// The grid's menu offers the exports once a timetable is shown; each writes
// its file, and a failure is told in German.
TEST_F(ExportMenuTest, TheGridsMenuExportsTheShownTimetable)
{
    LoadForm(Line(u"Analysis; Teil 1"_s, 3, {1, 2}) + Line(u"Chemie"_s, 1, {1}));
    AnswerDialogs();
    ShowActive();
    const auto rightClick = [this](int element) {
        QWidget* cell = form->Label2[element];
        QContextMenuEvent event(QContextMenuEvent::Mouse, cell->rect().center(),
                                cell->mapToGlobal(cell->rect().center()));
        QApplication::sendEvent(cell, &event);
    };
    rightClick(BodyElement(3));
    ASSERT_TRUE(form->GridMenu->isVisible());
    ASSERT_EQ(form->GridMenu->actions().size(), 4);
    for (const QAction* action : form->GridMenu->actions())
        EXPECT_FALSE(action->isEnabled()) << "before the first search";
    form->GridMenu->close();

    form->Command2->click();
    rightClick(BodyElement(1));
    ASSERT_TRUE(form->GridMenu->isVisible());
    for (const QAction* action : form->GridMenu->actions())
        EXPECT_TRUE(action->isEnabled());
    form->GridMenu->close();
    // The keyboard's way where the search button has the focus.
    form->Command2->setFocus();
    QTest::keyClick(form->Command2, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(form->GridMenu->isVisible());
    form->GridMenu->close();

    // Ctrl+P from a text field: the printer prints one page.
    QTest::keyClick(form->Text2, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(ReadList(u"gedruckt.pdf"_s).startsWith("%PDF"));

    target = directory.filePath(u"plan.pdf"_s);
    form->PdfAction->trigger();
    EXPECT_TRUE(ReadList(u"plan.pdf"_s).startsWith("%PDF"));
    target = directory.filePath(u"plan.png"_s);
    form->PictureAction->trigger();
    EXPECT_TRUE(ReadList(u"plan.png"_s).startsWith("\x89PNG"));
    target = directory.filePath(u"plan.ics"_s);
    QTest::keyClick(form->Combo1, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(proposedPeriod.first.dayOfWeek(), 1);
    EXPECT_TRUE(ReadList(u"plan.ics"_s).contains("SUMMARY:Analysis\\; Teil 1"));

    // Each proposed its name beside the list.
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].proposedFile, directory.filePath(u"Stundenplan.pdf"_s));
    EXPECT_EQ(requests[2].proposedFile, directory.filePath(u"Stundenplan.ics"_s));
    EXPECT_TRUE(messages.empty());

    // Cancelled: nothing written, nothing said; a folder that is not there:
    // the reason, in German.
    target.reset();
    form->PdfAction->trigger();
    EXPECT_TRUE(messages.empty());
    target = directory.filePath(u"fehlt/plan.pdf"_s);
    form->PdfAction->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(messages[0].text.startsWith(u"Die Datei „"_s)) << qPrintable(messages[0].text);
    EXPECT_FALSE(QFile::exists(*target));
}

} // namespace
