#include "app/Form1.h"
#include "controls/CaptionFit.h"
#include "controls/ControlColors.h"
#include "controls/ScaledStyle.h"
#include "controls/Twips.h"
#include "controls/TwipsLayout.h"
#include "export/PackedColor.h"
#include "model/Week.h"
#include "search/SearchButton.h"
#include "search/WeekGrid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QWindow>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ClientWidth = 10935;
constexpr int ClientHeight = 8610;
constexpr double DialogPointSize = 8.25;
// The smallest size a course name in the grid takes before it is elided.
constexpr double SmallestGridPointSize = 7.0;
constexpr qint32 PanelRed = 0x0000FF;
// Below this share of the designed size with the font in use, the lists cut
// their items: the layout keeps it and the window scrolls instead.
constexpr double LegibleShare = 0.8;
constexpr double BaseDpi = 96.0;

// `scale` is the font's own size against the designed one.
QFont WindowFont(double scale)
{
    QFont font = QApplication::font();
    // The layout was drawn for a narrow dialog font. Where a condensed face
    // is installed, every caption fits its control at the designed size;
    // elsewhere the captions that would not fit take a smaller size.
    font.setFamilies({u"DejaVu Sans Condensed"_s, font.family()});
    font.setPointSizeF(DialogPointSize * scale);
    return font;
}

// The client area as designed, at 100 %.
QSize DesignedSize()
{
    return {Pixels(ClientWidth), Pixels(ClientHeight)};
}

QIcon WindowIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(u":/icons/kalustra-%1.png"_s.arg(size), QSize(size, size));
    return icon;
}

QFont WithPointSize(QFont font, double pointSize)
{
    font.setPointSizeF(pointSize);
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

void FitCaption(QWidget& control, const QFont& font, QSize area)
{
    control.setFont(FontFittingArea(font, control.property("text").toString(), area));
}

QSize CheckBoxCaptionArea(const QCheckBox& box)
{
    QStyleOptionButton option;
    option.initFrom(&box);
    option.text = box.text();
    return box.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box).size();
}

// A label at the top of a frame starts its text below the frame's caption
// and line, whatever their size.
void KeepClearOfTitle(QLabel& label, const QGroupBox& frame, int gap)
{
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect contents = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxContents, &frame);
    label.setContentsMargins(0, std::max(0, contents.top() + gap - label.y()), 0, 0);
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
    setWindowTitle(u"Kalustra[*]"_s);
    setWindowIcon(WindowIcon());
    // A larger system font (a higher logical DPI) scales the whole layout.
    fontScale_ = std::clamp(logicalDpiY() / BaseDpi, 0.5, 4.0);
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setAlignment(Qt::AlignCenter);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->setWidget(page_);
    setFont(WindowFont(1.0));

    BuildCourseFrame();
    BuildSearchControls();
    BuildSortButtons();
    BuildInfoPanel();
    SetTabOrder();
    SetNames();
    Combo1->setFocus();

    UseScaledStyle();

    setMinimumSize((DesignedSize() * LegibleFactor()).boundedTo(AvailableSize()));
    resize(OpeningSize());
    FitToWindow();
    ScaleFonts();
}

// Check boxes and scroll bars take the layout's scale too.
void Form1::UseScaledStyle()
{
    style_ = new ScaledStyle(this);
    for (QWidget* control : ScaledControls())
        control->setStyle(style_);
}

// What stands on the page, without the chooser's drop-down: a window of its
// own, whose list of every course would lay itself out anew at each step.
std::vector<QWidget*> Form1::ScaledControls() const
{
    std::vector<QWidget*> controls;
    for (QWidget* control : page_->findChildren<QWidget*>()) {
        if (control->window() == this)
            controls.push_back(control);
    }
    return controls;
}

double Form1::LegibleFactor() const
{
    return LegibleShare * fontScale_;
}

void Form1::Place(QWidget& control, const QRect& twips)
{
    layout_.Place(control, twips);
}

void Form1::Place(QWidget& control, int left, int top, int width, int height)
{
    Place(control, {left, top, width, height});
}

// The designed size with the font in use where it fits the screen's free
// area, otherwise scaled down to fit, but not below a legible size.
QSize Form1::OpeningSize() const
{
    const QSize available = AvailableSize();
    const double factor = OpeningScale(DesignedSize(), available, LegibleFactor(), fontScale_);
    QSize size = DesignedSize() * factor;
    // Where one way scrolls, its scroll bar needs room the other way.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (size.height() > available.height())
        size.rwidth() += scrollBar;
    if (size.width() > available.width())
        size.rheight() += scrollBar;
    return size.boundedTo(available);
}

// The screen's free area without the window's frame.
QSize Form1::AvailableSize() const
{
    const QScreen* screen = this->screen();
    if (!screen)
        return DesignedSize() * fontScale_;
    QSize available = screen->availableGeometry().size();
    // The frame is known only once a window manager has framed the window;
    // before that, a title bar's height is the likely cost.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const int titleBar = frame.isNull() ? style()->pixelMetric(QStyle::PM_TitleBarHeight) : 0;
    available -= QSize(frame.left() + frame.right(), frame.top() + frame.bottom() + titleBar);
    return available;
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FitToWindow();
}

// Everything scales by the one factor at which the designed client area fits
// the window, and stands centred in it; below a legible factor it scrolls.
void Form1::FitToWindow()
{
    scrollArea_->setGeometry(rect());
    ScaleLayout(std::max(FittingScale(DesignedSize(), size()), LegibleFactor()));
}

void Form1::ScaleLayout(double factor)
{
    const bool fontsChange = factor != layout_.Factor();
    layout_.SetScale(factor);
    page_->resize(Pixels(qRound(ClientWidth * factor)), Pixels(qRound(ClientHeight * factor)));
    if (style_ && style_->Scale() != factor / fontScale_) {
        style_->SetScale(factor / fontScale_);
        for (QWidget* control : ScaledControls()) {
            QEvent styleChange(QEvent::StyleChange);
            QCoreApplication::sendEvent(control, &styleChange);
            control->updateGeometry();
        }
    }
    if (fontsChange)
        ScaleFonts();
}

// Fonts the controls hold of their own follow the window's; captions that
// were fitted to their control are fitted anew.
void Form1::ScaleFonts()
{
    const double factor = layout_.Factor() / fontScale_;
    setFont(WindowFont(factor));
    Frame2->setFont(WithBold(font(), true));
    Label4->setFont(WithBold(font(), false));
    Command5->setFont(WithBold(font(), false));
    KeepClearOfTitle(*Label4, *Frame2, layout_.ToPixels(45));
    for (int index = 0; index < WeekGrid::Columns * WeekGrid::Rows; ++index) {
        if (!Label2.Exists(index))
            continue;
        ArrayLabel& cell = *Label2[index];
        cell.setFont(WithPointSize(cell.font(), font().pointSizeF()));
        cell.SetSmallestPointSize(SmallestGridPointSize * factor);
    }
    FitCaptions();
}

void Form1::FitCaptions()
{
    // A label that a field covers in part keeps its caption clear of it.
    const int gap = std::max(1, layout_.ToPixels(30));
    FitCaption(*Label1, font(), {Text2->x() - Label1->x() - gap, Label1->height()});
    FitCaption(*Label3, font(), {Text4[0]->x() - Label3->x() - gap, Label3->height()});
    FitCaption(*Check1, font(), CheckBoxCaptionArea(*Check1));
    FitCaption(*Check2, font(), CheckBoxCaptionArea(*Check2));
}

void Form1::BuildCourseFrame()
{
    Frame1 = new QGroupBox(u"Lehrveranstaltungen"_s, page_);
    Place(*Frame1, 0, 0, 4575, 4815);

    Combo1 = new ChooserBox(Frame1);
    Place(*Combo1, 120, 240, 4335, 315);

    List1 = new ListControl(ListControl::Selection::Single, Frame1);
    Place(*List1, 120, 600, 1095, 1035);
    for (const QString& day : Week::DayNames())
        List1->AddItem(day);

    List2 = new ListControl(ListControl::Selection::Extended, Frame1);
    Place(*List2, 1320, 600, 1095, 840);
    for (const QString& slot : Week::SlotNames())
        List2->AddItem(slot);
    List2->setToolTip(u"Eingabe oder Doppelklick speichert die Auswahl"_s);
    List2->addAction(new QAction(u"Auswahl speichern"_s, List2));
    List2->setContextMenuPolicy(Qt::ActionsContextMenu);

    Command1 = new CommandButton(u"Eintrag löschen"_s, Frame1);
    Place(*Command1, 2880, 600, 1575, 255);

    Label1 = NewLabel(u"Priorität"_s, Frame1);
    Place(*Label1, 120, 2100, 855, 255);
    Text2 = NewField(5, u"0"_s, Frame1);
    Place(*Text2, 720, 2040, 855, 285);

    Check1 = new QCheckBox(u"Alle besuchen"_s, Frame1);
    Place(*Check1, 120, 2400, 1455, 255);

    Label3 = NewLabel(u"Farbe (RGB):"_s, Frame1);
    Place(*Label3, 1800, 2445, 975, 255);
    const QStringList colorTexts = {u"255"_s, u"0"_s, u"0"_s};
    for (int i = 0; i < 3; ++i) {
        Text4[i] = NewField(3, colorTexts[i], Frame1);
        Place(*Text4[i], 2760 + 600 * i, 2400, 495, 285);
    }

    Text1 = new InfoField(Frame1);
    Place(*Text1, 120, 2760, 4335, 1935);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // With a horizontal scroll bar, lines run on instead of wrapping.
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    SetSystemButtonFaceBackColor(*Text1);
}

void Form1::BuildSearchControls()
{
    Command2 = new CommandButton(FreshSearchCaption(), page_);
    Place(*Command2, 4680, 4440, 1455, 375);

    Check2 = new QCheckBox(u"Schriftfarbe anpassen"_s, page_);
    Place(*Check2, 6480, 4440, 1935, 255);

    Text3 = NewField(0, QString(), page_);
    Place(*Text3, 0, 4920, 10935, 285);

    // The template of the week grid, which the start-up builds from it.
    Label2[0]->setParent(page_);
    Label2[0]->setText(u"Montag"_s);
    Place(*Label2[0], WeekGrid::TemplateTwips);
}

void Form1::BuildSortButtons()
{
    Command3 = new CommandButton(u"Veranstaltungen alphabetisch sortieren"_s, page_);
    Place(*Command3, 4680, 120, 1455, 615);
    Command4 = new CommandButton(u"Veranstaltungen nach Priorität sortieren"_s, page_);
    Place(*Command4, 4680, 840, 1455, 615);
}

void Form1::BuildInfoPanel()
{
    Command6 = new CommandButton(u"Info"_s, page_);
    Place(*Command6, 9720, 120, 1215, 375);

    Frame2 = new QGroupBox(u"Info"_s, page_);
    Place(*Frame2, 6240, 120, 4695, 3135);
    // The caption is red and bold; what the panel holds is red in the
    // window's font.
    SetForeColor(*Frame2, PanelRed);
    // Opaque, so that it hides Command6 beneath it.
    Frame2->setAutoFillBackground(true);

    Label4 = NewLabel(AboutText(), Frame2);
    Place(*Label4, 120, 240, 4455, 2775);
    Label4->setWordWrap(true);

    Command5 = new CommandButton(u"OK"_s, Frame2);
    Place(*Command5, 3720, 2640, 855, 375);

    // The panel covers the button that shows it, which is then no tab stop.
    Frame2->raise();
    Command6->setFocusPolicy(Qt::NoFocus);
}

// What a screen reader calls each field and list; a label beside its field
// names it as its buddy.
void Form1::SetNames()
{
    Label1->setBuddy(Text2);
    Label3->setBuddy(Text4[0]);
    Combo1->setAccessibleName(u"Lehrveranstaltung"_s);
    Combo1->lineEdit()->setAccessibleName(u"Lehrveranstaltung"_s);
    List1->setAccessibleName(u"Tag"_s);
    List2->setAccessibleName(u"Uhrzeit"_s);
    const QStringList channels = {u"Farbe Rot"_s, u"Farbe Grün"_s, u"Farbe Blau"_s};
    for (int i = 0; i < 3; ++i)
        Text4[i]->setAccessibleName(channels[i]);
    Text1->setAccessibleName(u"Notizen"_s);
    Text3->setAccessibleName(u"Notizzeile"_s);
}

void Form1::SetTabOrder()
{
    QWidget* const order[] = {Combo1,   List1,    List2,    Command1, Text2,   Check1,
                              Text4[0], Text4[1], Text4[2], Text1,    Text3,   Command2,
                              Check2,   Command3, Command4, Command5, Command6};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}
