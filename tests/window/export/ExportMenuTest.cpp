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

    QByteArray Read(const QString& name) const
    {
        QFile file(directory.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::optional<QString> target;
    std::vector<FileRequest> requests;
    LecturePeriod proposedPeriod;
};

TEST_F(ExportMenuTest, TheGridsMenuOffersTheFourExportsOnceATimetableIsShown)
{
    LoadForm(Line(u"Analysis"_s, 3, {1, 2}) + Line(u"Chemie"_s, 1, {1}));
    ShowActive();
    const auto rightClick = [this](int element) {
        QWidget* cell = form->Label2[element];
        QContextMenuEvent event(QContextMenuEvent::Mouse, cell->rect().center(),
                                cell->mapToGlobal(cell->rect().center()));
        QApplication::sendEvent(cell, &event);
    };
    rightClick(BodyElement(3));
    ASSERT_TRUE(form->GridMenu->isVisible());
    QStringList entries;
    for (const QAction* action : form->GridMenu->actions()) {
        entries << action->text();
        EXPECT_FALSE(action->isEnabled()) << "before the first search";
    }
    EXPECT_EQ(entries, (QStringList{u"Drucken…"_s, u"Als PDF speichern…"_s,
                                    u"Als Bild speichern…"_s, u"In Kalender exportieren…"_s}));
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
}

TEST_F(ExportMenuTest, EachExportWritesItsFileAndAFailureIsToldInGerman)
{
    LoadForm(Line(u"Analysis; Teil 1"_s, 3, {1, 2}) + Line(u"Chemie"_s, 1, {1}));
    AnswerDialogs();
    ShowActive();
    form->Command2->click();

    // Ctrl+P from a text field: the printer prints one page.
    QTest::keyClick(form->Text2, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(Read(u"gedruckt.pdf"_s).startsWith("%PDF"));

    target = directory.filePath(u"plan.pdf"_s);
    form->PdfAction->trigger();
    EXPECT_TRUE(Read(u"plan.pdf"_s).startsWith("%PDF"));
    target = directory.filePath(u"plan.png"_s);
    form->PictureAction->trigger();
    EXPECT_TRUE(Read(u"plan.png"_s).startsWith("\x89PNG"));
    target = directory.filePath(u"plan.ics"_s);
    QTest::keyClick(form->Combo1, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(proposedPeriod.first.dayOfWeek(), 1);
    EXPECT_TRUE(Read(u"plan.ics"_s).contains("SUMMARY:Analysis\\; Teil 1"));

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
