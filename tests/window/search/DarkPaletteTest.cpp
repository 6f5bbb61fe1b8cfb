#include "window/FormFixture.h"

#include "export/PackedColor.h"

#include <QApplication>
#include <QCheckBox>

using namespace Qt::Literals::StringLiterals;

namespace {

// A dark desktop: light text on dark grey.
class DarkPaletteTest : public FormTest
{
protected:
    void SetUp() override
    {
        lightPalette = QApplication::palette();
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 48));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Button, QColor(60, 60, 64));
        dark.setColor(QPalette::ButtonText, QColor(220, 221, 222));
        QApplication::setPalette(dark);
    }
    void TearDown() override { QApplication::setPalette(lightPalette); }

    QPalette lightPalette;
};

TEST_F(DarkPaletteTest, TheGridKeepsBlackTextOnItsGrey)
{
    LoadForm(Line(u"Analysis"_s, 2, {1}, false, 0x202020));
    const auto expectBlackOnGrey = [&](const char* when) {
        for (int index = 0; index < 30; ++index) {
            const ArrayLabel& cell = *form->Label2[index];
            if (BackColor(cell) != 0xD0D0D0)
                continue;
            EXPECT_EQ(cell.palette().color(cell.foregroundRole()), QColor(Qt::black))
                << when << ' ' << index;
        }
    };
    expectBlackOnGrey("at start");
    form->Check2->setChecked(true);
    form->Command2_Click();
    ASSERT_EQ(PaintedCells(), (Cells{{7, u"Analysis"_s}}));
    expectBlackOnGrey("after a search");
    // The corner shows the value and the painted cell its readable colour.
    EXPECT_EQ(ForeColor(*form->Label2[CornerElement]), 0);
    EXPECT_EQ(ForeColor(*form->Label2[7]), 0xFFFFFF);
}

TEST_F(DarkPaletteTest, NotesOnTheSystemBackgroundTakeTheSystemTextColour)
{
    LoadForm({});
    Form1& f = *form;
    const qint32 buttonText = PackedFromColor(QColor(220, 221, 222));
    ASSERT_TRUE(HasSystemBackColor(*f.Text1));
    EXPECT_EQ(BackColor(*f.Text1), PackedFromColor(QColor(60, 60, 64)));
    EXPECT_EQ(ForeColor(*f.Text1), buttonText);
    for (const bool checked : {true, false}) {
        f.Check2->setChecked(checked);
        f.Check2_Click();
        EXPECT_EQ(ForeColor(*f.Text1), buttonText) << checked;
    }
}

} // namespace
