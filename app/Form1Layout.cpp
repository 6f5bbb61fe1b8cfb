#include "app/Form1.h"
#include "controls/CaptionFit.h"
#include "controls/ControlColors.h"
#include "controls/PackedColor.h"
#include "controls/Twips.h"
#include "model/Week.h"
#include "search/SearchButton.h"
#include "search/WeekGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ClientWidth = 10935;
constexpr int ClientHeight = 8610;
constexpr double DialogPointSize = 8.25;
constexpr qint32 PanelRed = 0x0000FF;

QFont WindowFont()
{
    QFont font = QApplication::font();
    // The layout was drawn for a narrow dialog font. Where a condensed face
    // is installed, every caption fits its control at the designed size;
    // elsewhere the captions that would not fit take a smaller size.
    font.setFamilies({u"DejaVu Sans Condensed"_s, font.family()});
    font.setPointSizeF(DialogPointSize);
    return font;
}

QFont WithBold(QFont font, bool bold)
{
    font.setBold(bold);
    return font;
}

QLabel* NewLabel(const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void FitCaption(QWidget& control, const QString& caption, QSize area)
{
    control.setFont(FontFittingArea(control.font(), caption, area));
}

QSize CheckBoxCaptionArea(const QCheckBox& box)
{
    QStyleOptionButton option;
    option.initFrom(&box);
    option.text = box.text();
    return box.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box).size();
}

TextField* NewField(int typingLimit, const QString& text, QWidget* parent)
{
    auto* field = new TextField(typingLimit, parent);
    field->SetText(text);
    return field;
}

} // namespace

void Form1::BuildControls()
{
    setWindowTitle(u"Kalustra"_s);
    // The controls stand where the layout puts them; a larger window would
    // only add empty space.
    setFixedSize(Pixels(ClientWidth), Pixels(ClientHeight));
    setFont(WindowFont());

    BuildCourseFrame();
    BuildSearchControls();
    BuildSortButtons();
    BuildInfoPanel();
    SetTabOrder();
    Combo1->setFocus();
}

void Form1::BuildCourseFrame()
{
    Frame1 = new QGroupBox(u"Lehrveranstaltungen"_s, this);
    PlaceInTwips(*Frame1, 0, 0, 4575, 4815);

    Combo1 = new ChooserBox(Frame1);
    PlaceInTwips(*Combo1, 120, 240, 4335, 315);

    List1 = new ListControl(ListControl::Selection::Single, Frame1);
    PlaceInTwips(*List1, 120, 600, 1095, 1035);
    for (const QString& day : Week::DayNames())
        List1->AddItem(day);

    List2 = new ListControl(ListControl::Selection::Extended, Frame1);
    PlaceInTwips(*List2, 1320, 600, 1095, 840);
    for (const QString& slot : Week::SlotNames())
        List2->AddItem(slot);

    Command1 = new CommandButton(u"Eintrag löschen"_s, Frame1);
    PlaceInTwips(*Command1, 2880, 600, 1575, 255);

    Label1 = NewLabel(u"Priorität"_s, Frame1);
    PlaceInTwips(*Label1, 120, 2100, 855, 255);
    Text2 = NewField(5, u"0"_s, Frame1);
    PlaceInTwips(*Text2, 720, 2040, 855, 285);
    // The priority field covers the end of its label.
    FitCaption(*Label1, Label1->text(), {Text2->x() - Label1->x(), Label1->height()});

    Check1 = new QCheckBox(u"Alle besuchen"_s, Frame1);
    PlaceInTwips(*Check1, 120, 2400, 1455, 255);
    FitCaption(*Check1, Check1->text(), CheckBoxCaptionArea(*Check1));

    Label3 = NewLabel(u"Farbe (RGB):"_s, Frame1);
    PlaceInTwips(*Label3, 1800, 2445, 975, 255);
    const QStringList colorTexts = {u"255"_s, u"0"_s, u"0"_s};
    for (int i = 0; i < 3; ++i) {
        Text4[i] = NewField(3, colorTexts[i], Frame1);
        PlaceInTwips(*Text4[i], 2760 + 600 * i, 2400, 495, 285);
    }
    FitCaption(*Label3, Label3->text(), {Text4[0]->x() - Label3->x(), Label3->height()});

    Text1 = new InfoField(Frame1);
    PlaceInTwips(*Text1, 120, 2760, 4335, 1935);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // With a horizontal scroll bar, lines run on instead of wrapping.
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    SetSystemButtonFaceBackColor(*Text1);
}

void Form1::BuildSearchControls()
{
    Command2 = new CommandButton(FreshSearchCaption(), this);
    PlaceInTwips(*Command2, 4680, 4440, 1455, 375);

    Check2 = new QCheckBox(u"Schriftfarbe anpassen"_s, this);
    PlaceInTwips(*Check2, 6480, 4440, 1935, 255);
    FitCaption(*Check2, Check2->text(), CheckBoxCaptionArea(*Check2));

    Text3 = NewField(0, QString(), this);
    PlaceInTwips(*Text3, 0, 4920, 10935, 285);

    // The template of the week grid, which the start-up builds from it.
    Label2[0]->setText(u"Montag"_s);
    Label2[0]->setGeometry(TwipsRect(WeekGrid::TemplateTwips));
}

void Form1::BuildSortButtons()
{
    Command3 = new CommandButton(u"Veranstaltungen alphabetisch sortieren"_s, this);
    PlaceInTwips(*Command3, 4680, 120, 1455, 615);
    Command4 = new CommandButton(u"Veranstaltungen nach Priorität sortieren"_s, this);
    PlaceInTwips(*Command4, 4680, 840, 1455, 615);
}

void Form1::BuildInfoPanel()
{
    Command6 = new CommandButton(u"Info"_s, this);
    PlaceInTwips(*Command6, 9720, 120, 1215, 375);

    Frame2 = new QGroupBox(u"Info"_s, this);
    PlaceInTwips(*Frame2, 6240, 120, 4695, 3135);
    // The caption is red and bold; what the panel holds is red in the
    // window's font.
    Frame2->setFont(WithBold(font(), true));
    SetForeColor(*Frame2, PanelRed);
    // Opaque, so that it hides Command6 beneath it.
    Frame2->setAutoFillBackground(true);

    Label4 = NewLabel(AboutText(), Frame2);
    PlaceInTwips(*Label4, 120, 240, 4455, 2775);
    Label4->setFont(WithBold(font(), false));
    Label4->setWordWrap(true);

    Command5 = new CommandButton(u"OK"_s, Frame2);
    PlaceInTwips(*Command5, 3720, 2640, 855, 375);
    Command5->setFont(WithBold(font(), false));

    // The panel covers the button that shows it.
    Frame2->raise();
}

void Form1::SetTabOrder()
{
    QWidget* const order[] = {Combo1,   List1,    List2,    Command1, Text2,   Check1,
                              Text4[0], Text4[1], Text4[2], Text1,    Text3,   Command2,
                              Check2,   Command3, Command4, Command5, Command6};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}
