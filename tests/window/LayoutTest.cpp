#include "FormFixture.h"

#include "app/CaptionFit.h"
#include "app/ControlColors.h"
#include "app/PackedColor.h"
#include "app/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionButton>

using namespace Qt::Literals::StringLiterals;

namespace {

class LayoutTest : public FormTest
{
protected:
    void SetUp() override { LoadForm({}); }
};

struct Placement
{
    const char* name;
    QWidget* control;
    QRect twips;
};

TEST_F(LayoutTest, ControlsStandWhereTheLayoutPutsThem)
{
    Form1& f = *form;
    EXPECT_EQ(f.size(), QSize(729, 574));
    const Placement placements[] = {
        {"Frame1", f.Frame1, {0, 0, 4575, 4815}},
        {"Combo1", f.Combo1, {120, 240, 4335, 315}},
        {"List1", f.List1, {120, 600, 1095, 1035}},
        {"List2", f.List2, {1320, 600, 1095, 840}},
        {"Command1", f.Command1, {2880, 600, 1575, 255}},
        {"Label1", f.Label1, {120, 2100, 855, 255}},
        {"Text2", f.Text2, {720, 2040, 855, 285}},
        {"Check1", f.Check1, {120, 2400, 1455, 255}},
        {"Label3", f.Label3, {1800, 2445, 975, 255}},
        {"Text4(0)", f.Text4[0], {2760, 2400, 495, 285}},
        {"Text4(2)", f.Text4[2], {3960, 2400, 495, 285}},
        {"Text1", f.Text1, {120, 2760, 4335, 1935}},
        {"Command2", f.Command2, {4680, 4440, 1455, 375}},
        {"Check2", f.Check2, {6480, 4440, 1935, 255}},
        {"Text3", f.Text3, {0, 4920, 10935, 285}},
        {"Command3", f.Command3, {4680, 120, 1455, 615}},
        {"Command4", f.Command4, {4680, 840, 1455, 615}},
        {"Command6", f.Command6, {9720, 120, 1215, 375}},
        {"Frame2", f.Frame2, {6240, 120, 4695, 3135}},
        {"Label4", f.Label4, {120, 240, 4455, 2775}},
        {"Command5", f.Command5, {3720, 2640, 855, 375}},
    };
    for (const Placement& p : placements) {
        const QRect expected =
            TwipsRect(p.twips.x(), p.twips.y(), p.twips.width(), p.twips.height());
        EXPECT_EQ(p.control->geometry(), expected) << p.name;
    }
    EXPECT_EQ(f.Combo1->parentWidget(), f.Frame1);
    EXPECT_EQ(f.Text1->parentWidget(), f.Frame1);
    EXPECT_EQ(f.Command5->parentWidget(), f.Frame2);
}

TEST_F(LayoutTest, CaptionsAndContentsAtStart)
{
    Form1& f = *form;
    const std::pair<QString, const char*> captions[] = {
        {f.windowTitle(), "Kalustra"},
        {f.Frame1->title(), "Lehrveranstaltungen"},
        {f.Frame2->title(), "Info"},
        {f.Command1->text(), "Eintrag löschen"},
        {f.Command2->text(), "Suchen"},
        {f.Command3->text(), "Veranstaltungen alphabetisch sortieren"},
        {f.Command4->text(), "Veranstaltungen nach Priorität sortieren"},
        {f.Command5->text(), "OK"},
        {f.Command6->text(), "Info"},
        {f.Label1->text(), "Priorität"},
        {f.Label3->text(), "Farbe (RGB):"},
        {f.Check1->text(), "Alle besuchen"},
        {f.Check2->text(), "Schriftfarbe anpassen"},
        {f.Text2->Text(), "0"},
        {f.Text4[0]->Text(), "255"},
        {f.Text4[1]->Text(), "0"},
        {f.Text4[2]->Text(), "0"},
        {f.Text1->Text(), ""},
        {f.Text3->Text(), ""},
        {f.Combo1->Text(), ""},
        {f.List1->List(0) + u'|' + f.List1->List(4), "Montag|Freitag"},
        {f.List2->List(0) + u'|' + f.List2->List(3), "09-11 Uhr|15-17 Uhr"},
    };
    for (const auto& [shown, expected] : captions)
        EXPECT_EQ(shown, QString::fromUtf8(expected));
    EXPECT_EQ(f.Text2->TypingLimit(), 5);
    EXPECT_EQ(f.Text4[1]->TypingLimit(), 3);
    EXPECT_EQ(f.List1->ListCount(), 5);
    EXPECT_EQ(f.List2->ListCount(), 4);
    EXPECT_EQ(f.List1->ListIndex(), 0);
    EXPECT_FALSE(f.List2->Selected(0) || f.List2->Selected(1) || f.List2->Selected(2) ||
                 f.List2->Selected(3));
    EXPECT_EQ(f.List2->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_FALSE(f.Check1->isChecked() || f.Check2->isChecked());
    EXPECT_FALSE(f.Frame2->isHidden());
}

TEST_F(LayoutTest, WeekGridIsBuiltAtStart)
{
    Form1& f = *form;
    const auto cellAt = [](int leftTwips, int topTwips) {
        return TwipsRect(leftTwips, topTwips, 1335, 495);
    };
    EXPECT_EQ(f.Label2[7]->geometry(), cellAt(2520, 6000));
    EXPECT_EQ(f.Label2[29]->geometry(), cellAt(1080 + 1440 * 5, 5400 + 600 * 4));
    EXPECT_EQ(f.Label2[0]->geometry(), cellAt(1080, 5400));

    const QStringList headers = {QString(),     u"Montag"_s,     u"Dienstag"_s,
                                 u"Mittwoch"_s, u"Donnerstag"_s, u"Freitag"_s};
    const QStringList hours = {u"09.00 - 11.00"_s, u"11.00 - 13.00"_s, u"13.00 - 15.00"_s,
                               u"15.00 - 17.00"_s};
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 6; ++column) {
            const int index = 6 * row + column;
            const ArrayLabel& cell = *f.Label2[index];
            QString caption = u"-"_s;
            if (row == 0)
                caption = headers[column];
            else if (column == 0)
                caption = hours[row - 1];
            EXPECT_EQ(cell.text(), caption) << index;
            EXPECT_EQ(cell.geometry(), cellAt(1080 + 1440 * column, 5400 + 600 * row)) << index;
            EXPECT_TRUE(cell.isVisibleTo(&f)) << index;
            EXPECT_TRUE(cell.font().bold()) << index;
            EXPECT_EQ(cell.alignment(), Qt::AlignCenter) << index;
            EXPECT_EQ(BackColor(cell), Form1::EmptyCellColor) << index;
        }
    }
    EXPECT_FALSE(f.Label2.Exists(30));
}

TEST_F(LayoutTest, FontsAndColours)
{
    Form1& f = *form;
    EXPECT_DOUBLE_EQ(f.font().pointSizeF(), 8.25);
    EXPECT_FALSE(f.font().bold());
    EXPECT_TRUE(f.Frame2->font().bold());
    EXPECT_EQ(ForeColor(*f.Frame2), 0x0000FF);
    EXPECT_EQ(ForeColor(*f.Label4), 0x0000FF);
    EXPECT_FALSE(f.Label4->font().bold());
    EXPECT_FALSE(f.Command5->font().bold());
    EXPECT_EQ(BackColor(*f.Text1), PackedFromColor(f.Text1->palette().color(QPalette::Button)));
    EXPECT_TRUE(HasSystemBackColor(*f.Text1));
    EXPECT_EQ(f.Text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(f.Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

// Nothing may be cut off: whatever font the platform gives, each caption
// fits the part of its control that shows it.
TEST_F(LayoutTest, EveryCaptionFitsItsControl)
{
    Form1& f = *form;
    for (const CommandButton* button :
         {f.Command1, f.Command2, f.Command3, f.Command4, f.Command5, f.Command6}) {
        EXPECT_TRUE(
            CaptionFits(button->CaptionFont(), button->text(), button->CaptionArea().size()))
            << button->text().toStdString();
        EXPECT_GE(button->CaptionFont().pointSizeF(), 7.0) << button->text().toStdString();
    }
    // The sort buttons wrap their captions onto several lines.
    for (const CommandButton* button : {f.Command3, f.Command4}) {
        const QFontMetrics metrics(button->CaptionFont());
        EXPECT_GT(metrics.horizontalAdvance(button->text()), button->CaptionArea().width());
    }
    // Text2 and Text4 cover the ends of the labels before them.
    EXPECT_TRUE(CaptionFits(f.Label1->font(), f.Label1->text(),
                            {f.Text2->x() - f.Label1->x(), f.Label1->height()}));
    EXPECT_TRUE(CaptionFits(f.Label3->font(), f.Label3->text(),
                            {f.Text4[0]->x() - f.Label3->x(), f.Label3->height()}));
    for (const QCheckBox* box : {f.Check1, f.Check2}) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect area = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        EXPECT_TRUE(CaptionFits(box->font(), box->text(), area.size()))
            << box->text().toStdString();
    }
    for (int index = 0; index < 30; ++index) {
        const ArrayLabel& cell = *f.Label2[index];
        EXPECT_TRUE(CaptionFits(cell.font(), cell.text(), cell.contentsRect().size())) << index;
    }
    // Every day and every slot is in view without scrolling.
    for (const ListControl* list : {f.List1, f.List2}) {
        const QRect last = list->visualItemRect(list->item(list->ListCount() - 1));
        EXPECT_LE(last.bottom(), list->viewport()->height()) << list->List(0).toStdString();
        // The view keeps a few pixels beside the text of an item.
        constexpr int TextMargins = 4;
        for (int i = 0; i < list->ListCount(); ++i)
            EXPECT_LE(list->fontMetrics().horizontalAdvance(list->List(i)) + TextMargins,
                      list->viewport()->width());
    }
    // The about text ends above the OK button that shares its corner.
    const QRect textBounds = f.Label4->fontMetrics().boundingRect(
        f.Label4->contentsRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
        QString(f.Label4->text()).remove(u'\r'));
    EXPECT_LT(f.Label4->mapTo(f.Frame2, textBounds.bottomLeft()).y(), f.Command5->y());
}

TEST_F(LayoutTest, GridCellsWrapLongCourseNames)
{
    ArrayLabel& cell = *form->Label2[7];
    const double designed = cell.font().pointSizeF();
    // A word a little too long for a line stays whole at a slightly smaller
    // size; a much longer one breaks inside, at the designed size.
    cell.setText(u"Programmierung"_s);
    ASSERT_FALSE(CaptionFits(cell.font(), cell.text(), cell.contentsRect().size(),
                             {QTextOption::WordWrap}));
    EXPECT_LT(cell.CaptionFont().pointSizeF(), designed);
    EXPECT_GE(cell.CaptionFont().pointSizeF(), designed - 1.25);
    EXPECT_TRUE(CaptionFits(cell.CaptionFont(), cell.text(), cell.contentsRect().size(),
                            {QTextOption::WordWrap}));
    cell.setText(u"Softwaretechnikpraktikum"_s);
    EXPECT_DOUBLE_EQ(cell.CaptionFont().pointSizeF(), designed);
    // Too many lines for the cell: a smaller size, and all of it in view.
    cell.setText(u"Lineare Algebra für Informatiker"_s);
    const QFont smaller = cell.CaptionFont();
    EXPECT_LT(smaller.pointSizeF(), designed);
    EXPECT_TRUE(CaptionFits(smaller, cell.text(), cell.contentsRect().size(),
                            {QTextOption::WrapAtWordBoundaryOrAnywhere}));
}

TEST_F(LayoutTest, TabOrderFollowsTheLayout)
{
    ShowActive();
    Form1& f = *form;
    const std::vector<QWidget*> expected = {
        f.Combo1,   f.List1,    f.List2,    f.Command1, f.Text2,    f.Check1,
        f.Text4[0], f.Text4[1], f.Text4[2], f.Text1,    f.Text3,    f.Command2,
        f.Check2,   f.Command3, f.Command4, f.Command5, f.Command6, f.Combo1};
    EXPECT_EQ(QApplication::focusWidget(), f.Combo1);
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "after tab " << i;
    }
}

TEST_F(LayoutTest, InfoPanelShowsAndHides)
{
    ShowActive();
    Form1& f = *form;
    const QPoint infoButton = f.Command6->geometry().center();
    EXPECT_TRUE(f.Frame2->isAncestorOf(f.childAt(infoButton)) || f.childAt(infoButton) == f.Frame2);

    QTest::mouseClick(f.Command5, Qt::LeftButton);
    EXPECT_TRUE(f.Frame2->isHidden());
    EXPECT_EQ(f.childAt(infoButton), f.Command6);
    f.Command5_Click();
    EXPECT_TRUE(f.Frame2->isHidden());

    QTest::mouseClick(f.Command6, Qt::LeftButton);
    EXPECT_FALSE(f.Frame2->isHidden());
    f.Command6_Click();
    EXPECT_FALSE(f.Frame2->isHidden());
}

TEST_F(LayoutTest, AboutTextHasItsNineLines)
{
    const QString caption = form->Label4->text();
    EXPECT_FALSE(caption.contains(u"#13"));
    const QStringList lines = caption.split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], u"Kalustra");
    EXPECT_TRUE(lines[2].isEmpty());
    EXPECT_TRUE(lines[5].isEmpty());
    EXPECT_EQ(lines.count(QString()), 2);
    EXPECT_TRUE(lines[7].contains(u"@example.org"));
    EXPECT_TRUE(lines[8].contains(u"example.org"));
    EXPECT_EQ(Form1::AboutText().count(u"#13"_s), 8);
}

} // namespace
