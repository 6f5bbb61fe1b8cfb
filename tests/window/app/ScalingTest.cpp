#include "window/FormFixture.h"

#include "controls/CaptionFit.h"
#include "controls/TwipsLayout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

class ScalingTest : public FormTest
{
protected:
    void SetUp() override
    {
        LoadForm(Line(u"Analysis"_s, 2, {1}));
        ShowActive();
        for (QWidget* control : Controls())
            designed[control] = control->geometry();
    }

    std::vector<QWidget*> Controls() const
    {
        Form1& f = *form;
        return {f.Frame1,   f.Combo1,   f.List2,     f.Text2,     f.Text4[2],  f.Text1,
                f.Command3, f.Command2, f.Check2,    f.Text3,     f.Frame2,    f.Label4,
                f.Command5, f.Command6, f.Label2[0], f.Label2[7], f.Label2[29]};
    }

    void ResizeTo(QSize size)
    {
        form->resize(size);
        QCoreApplication::processEvents();
        ASSERT_EQ(form->size(), size);
    }

    std::map<QWidget*, QRect> designed;
    static constexpr QSize Designed{729, 574};
};

// Scaled, every control keeps its place and every caption still fits; back
// at the designed size, all is as designed.
TEST_F(ScalingTest, TheWholeLayoutScalesByOneFactorAndComesBackExactly)
{
    Form1& f = *form;
    for (const double factor : {1.5, 2.0, 0.8, 1.25, 1.0}) {
        SCOPED_TRACE(factor);
        ResizeTo(Designed * factor);
        // Qt keeps sizes to a hundredth of a point or so.
        EXPECT_NEAR(form->font().pointSizeF(), 8.25 * factor, 0.01);
        EXPECT_NEAR(form->Label2[7]->font().pointSizeF(), 8.25 * factor, 0.01);
        // The size below which a course name is elided rather than shrunk.
        EXPECT_NEAR(form->Label2[7]->SmallestPointSize(), 7.0 * factor, 0.01);
        for (QWidget* control : Controls()) {
            const QRect expected = designed.at(control);
            const QRect shown = control->geometry();
            const auto near = [&](int pixels, int designedPixels) {
                return std::abs(pixels - designedPixels * factor) <= 1.0;
            };
            EXPECT_TRUE(near(shown.x(), expected.x()) && near(shown.y(), expected.y()) &&
                        near(shown.width(), expected.width()) &&
                        near(shown.height(), expected.height()))
                << control->metaObject()->className() << " at " << expected.x() << ','
                << expected.y();
        }
        // A label ends before the field that covers its end.
        for (const auto& [label, field] : {std::pair{f.Label1, f.Text2}, {f.Label3, f.Text4[0]}})
            EXPECT_LT(label->x() + label->fontMetrics().horizontalAdvance(label->text()),
                      field->x())
                << label->text().toStdString();
        for (const CommandButton* button : {f.Command3, f.Command4, f.Command2})
            EXPECT_TRUE(
                CaptionFits(button->CaptionFont(), button->text(), button->CaptionArea().size()))
                << button->text().toStdString();
        // Every day and slot whole, with the view's few pixels beside the text.
        for (const ListControl* list : {f.List1, f.List2}) {
            for (int i = 0; i < list->ListCount(); ++i)
                EXPECT_LE(list->fontMetrics().horizontalAdvance(list->List(i)) + 4,
                          list->viewport()->width());
        }
    }
    for (QWidget* control : Controls())
        EXPECT_EQ(control->geometry(), designed.at(control));
    EXPECT_DOUBLE_EQ(form->font().pointSizeF(), 8.25);
}

TEST_F(ScalingTest, ASpareStripIsLeftEvenlyOnBothSides)
{
    ResizeTo({1029, 574});
    // Scaled by the direction that is shorter, centred in the other.
    const auto inWindow = [&](QWidget* control) {
        return QRect(control->mapTo(form.get(), QPoint()), control->size());
    };
    EXPECT_EQ(inWindow(form->Frame1), designed.at(form->Frame1).translated(150, 0));
    EXPECT_EQ(inWindow(form->Label2[29]), designed.at(form->Label2[29]).translated(150, 0));
    // What stands inside a frame keeps its place there.
    EXPECT_EQ(form->Combo1->geometry(), designed.at(form->Combo1));
}

TEST(OpeningScaleTest, TheDesignedSizeWhereItFitsElseSmallerToAFloor)
{
    const QSize designed{729, 574};
    const std::tuple<QSize, double> cases[] = {
        {{1920, 1050}, 1.0},
        // 1366 x 768 at 150 %, less a panel and a title bar.
        {{910, 459}, 459.0 / 574},
        {{500, 574}, 500.0 / 729},
        {{200, 150}, 0.5},
    };
    for (const auto& [available, factor] : cases)
        EXPECT_DOUBLE_EQ(OpeningScale(designed, available, 0.5), factor) << available.width();
}

} // namespace
