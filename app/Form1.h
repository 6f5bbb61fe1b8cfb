#pragma once

#include "app/ListFileReading.h"
#include "controls/ChooserBox.h"
#include "controls/CommandButton.h"
#include "controls/InfoField.h"
#include "controls/LabelArray.h"
#include "controls/ListControl.h"
#include "controls/MessageBox.h"
#include "controls/TextField.h"
#include "controls/TwipsLayout.h"
#include "export/ExportDialogs.h"
#include "general/BackgroundSave.h"
#include "general/GuardedFile.h"
#include "model/CourseCollection.h"
#include "model/CourseListFile.h"
#include "search/DistributionSearch.h"
#include "search/SearchSession.h"
#include "search/Timetable.h"

#include <QWidget>

#include <array>
#include <concepts>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QScrollArea;
class ScaledStyle;
class QMenu;

// The program's one window: it owns every control and the course collection.
//
// Member functions named Control_Event are the handlers of the controls'
// events. They are plain functions, called by the event wiring and by tests
// alike, and they may call each other. A control whose content or selection
// a handler sets runs its own handler at once, nested inside: the control
// classes emit their events synchronously, and Form1Events.cpp connects each
// of them to its handler with On(). Each group of handlers is defined in the
// folder of its subsystem.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    // listFileName: the course list, read at start and written at the end.
    explicit Form1(const QString& listFileName = DefaultListFileName());
    ~Form1() override;

    static QString DefaultListFileName();

    // Every question and notice to the user goes through this one function.
    void SetMessageFunction(MessageFunction showMessage);
    // And the one dialog: where to save the list instead; empty: nowhere.
    using SaveFileFunction = std::function<QString(const QString& suggestion)>;
    void SetSaveFileFunction(SaveFileFunction chooseSaveFile);
    MessageAnswer MsgBox(const Message& message);
    // A notice or a question titled with the window's caption.
    void Tell(const QString& text, MessageIcon icon);
    MessageAnswer Ask(const QString& text, MessageButtons buttons, MessageIcon icon,
                      std::optional<MessageAnswer> defaultAnswer = std::nullopt);

    // Runs an event's handler. An error that escapes it is shown to the
    // user with its number and text, and the program goes on.
    void RunHandler(const std::function<void()>& handler);

    // Connects a control's event to a handler, which runs guarded by
    // RunHandler at once whenever the control emits the event. A member
    // handler receives the event's arguments (key code, element index...).
    template <typename Sender, typename Signal, typename... Arguments>
    void On(Sender* sender, Signal event, void (Form1::*handler)(Arguments...));
    template <typename Sender, typename Signal, std::invocable Handler>
    void On(Sender* sender, Signal event, Handler handler);

    // Start-up and shut-down (app/Form1Lifecycle.cpp). Form_Load runs once,
    // before the window is first shown; Form_Unload when the user closes it.
    // Setting Cancel keeps the window open.
    void Form_Load();
    void Form_Unload(qint16& Cancel);
    // Loads the window; false when another program edits the list (the
    // user has been told) or a signal ended the session meanwhile: the
    // program ends then.
    bool Start();
    // The session or the system ends the program: the list is saved as a
    // close saves it, without a question. Someone else's version of the file
    // stays; this session's list then goes beside it under a new name.
    void SaveWithoutQuestion();
    void EndWithoutQuestion();
    // Every change to the courses reaches the list file soon after it,
    // written in the background.
    STD::BackgroundSave& AutoSave() { return autoSave_; }

    // Course chooser (lookup/): picking, adding and deleting courses.
    void Combo1_Click();
    void Combo1_KeyDown(qint16 KeyCode, qint16 Shift);
    void Command1_Click();

    // Course editor (editor/). No current course is kept: each handler finds
    // it afresh by the chooser's text, and -1 (no course of that name)
    // leaves every course alone.
    qint32 FindSelectedCourse() const;
    void ShowCourseFields();
    void StoreCourseFields();
    // The field rules: each corrects its field and stores it at once.
    void Text1_Change();
    void Text2_Change();
    void Text4_Change(qint16 Index);
    void Check1_Click();
    // The day list shows the day's slots; Enter in the slot list, a
    // double-click on a slot or its menu's "Auswahl speichern" stores them.
    void List1_Click();
    void List2_KeyDown(qint16 KeyCode, qint16 Shift);
    void List2_DblClick();

    // Sorting (app/Form1Sorting.cpp).
    void SortCourses(const QString& key);
    void Command3_Click();
    void Command4_Click();

    // The search button (search/Form1SearchRun.cpp), the week grid
    // (search/Form1WeekGrid.cpp) and its text colours (search/Form1TextColor.cpp).
    void Command2_Click();
    void Command2_LostFocus();
    void ShowDistribution(const Distribution& distribution, qint32 value);
    void Label2_Click(qint16 Index);
    // Arrow keys move between the grid's body cells; Enter and Space click.
    void Label2_KeyDown(qint16 Index, qint16 KeyCode, qint16 Shift);
    void Check2_Click();
    void AdjustTextColor(QWidget& control);
    // The layout's scale against the designed size, and the part of it that
    // the font's size takes: logical DPI against 96.
    double LayoutFactor() const { return layout_.Factor(); }
    double FontScale() const { return fontScale_; }

    // The timetable the grid shows: none before the first search.
    const std::optional<Timetable>& ShownTimetable() const { return shownTimetable_; }

    // Taking the shown timetable along (export/Form1Export.cpp), from the
    // week grid's menu and the window's shortcuts (search/Form1GridMenu.cpp).
    // Before the first search there is nothing to take: the actions are off.
    void PrintTimetable();
    void SaveTimetablePdf();
    void SaveTimetablePicture();
    void ExportTimetableCalendar();
    // The grid's menu at `position` in `control` (a grid cell or the search button).
    void ShowGridMenu(QWidget& control, const QPoint& position);
    // Every dialog of the exports goes through these.
    void SetExportDialogs(ExportDialogs dialogs);

    // Info panel (app/Form1InfoPanel.cpp).
    void Command5_Click();
    void Command6_Click();
    // The about text, one line with "#13" for each line break.
    static QString AboutText();

    // The controls, by the names the handlers know them by. Qt owns them.
    // Frame1 holds the course chooser and the editor.
    QGroupBox* Frame1 = nullptr;
    ChooserBox* Combo1 = nullptr;
    ListControl* List1 = nullptr;
    ListControl* List2 = nullptr;
    CommandButton* Command1 = nullptr;
    QLabel* Label1 = nullptr;
    TextField* Text2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<TextField*, 3> Text4{};
    InfoField* Text1 = nullptr;
    // The search and the week grid below it.
    CommandButton* Command2 = nullptr;
    QCheckBox* Check2 = nullptr;
    TextField* Text3 = nullptr;
    LabelArray Label2;
    // Sorting.
    CommandButton* Command3 = nullptr;
    CommandButton* Command4 = nullptr;
    // The info panel Frame2, and Command6 that it covers.
    CommandButton* Command6 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label4 = nullptr;
    CommandButton* Command5 = nullptr;
    // The grid's menu and its actions, whose shortcuts work anywhere in the window.
    QMenu* GridMenu = nullptr;
    QAction* PrintAction = nullptr;
    QAction* PdfAction = nullptr;
    QAction* PictureAction = nullptr;
    QAction* CalendarAction = nullptr;

    // The courses; item p of Combo1 is always the name of course p.
    CourseCollection Courses;
    // The search's cells, all free between two searches, and which
    // distribution of the best value the search button asks for next.
    FreeCellTable FreeCells;
    qint16 SearchRank = 0;

protected:
    void setVisible(bool visible) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // app/Form1Layout.cpp
    void BuildControls();
    // Places a control by its geometry in twips, at the window's scale.
    void Place(QWidget& control, const QRect& twips);
    void Place(QWidget& control, int left, int top, int width, int height);
    // The layout and its fonts at `factor` times the designed size.
    void ScaleLayout(double factor);
    void ScaleFonts();
    void FitCaptions();
    QSize OpeningSize() const;
    QSize AvailableSize() const;
    double LegibleFactor() const;
    void FitToWindow();
    void UseScaledStyle();
    std::vector<QWidget*> ScaledControls() const;
    void SetNames();
    void BuildCourseFrame();
    void BuildSearchControls();
    void BuildSortButtons();
    void BuildInfoPanel();
    void SetTabOrder();
    // app/Form1Events.cpp
    void ConnectEvents();
    // search/Form1GridMenu.cpp
    void BuildGridMenu();
    void ConnectGridMenu();
    bool OpensGridMenu(const QWidget& control) const;
    void UpdateExportActions();
    // export/Form1Export.cpp
    std::optional<QString> ChooseExportFile(const QString& title, const QString& name,
                                            const QString& filter);
    void WriteExportFile(const QString& fileName, const QByteArray& bytes);
    // app/Form1Lifecycle.cpp
    void ReadListFile();
    void TellAboutListFile();
    void SaveListFile(qint16& Cancel);
    bool MayOverwriteListFile();
    bool TakeListFile();
    QString AnswerOutsideChange(qint16& Cancel);
    void WriteListTo(QString target, qint16& Cancel);
    qsizetype WriteList(const QString& target);
    QString ChooseSaveFile(const QString& failedTarget);
    void RunGuarded(const std::function<void()>& handler);
    // app/Form1Saving.cpp. Compares the courses with how they were when last seen; a change
    // marks the title and is saved in the background.
    void NoticeCourseChanges();
    bool TakeCourseChanges();
    QByteArray SeenListBytes();
    void ShowSaveState(STD::BackgroundSave::State state);
    // editor/
    void StoreDaySlots(Termin& course);
    // search/
    void BuildWeekGrid();
    qint32 ShownValue() const;
    void ClearWeekGrid();
    ArrayLabel& BodyCell(int position);
    void MakeGridTabStop(ArrayLabel& cell);
    void ShowTimetableNotes(const Distribution& distribution);
    void AnnounceSearchResult(const QString& summary);

    // The controls stand on page_, which a scroll area holds: where the window
    // is too small for a legible layout, it scrolls.
    QScrollArea* scrollArea_ = nullptr;
    QWidget* page_ = new QWidget(this);
    ScaledStyle* style_ = nullptr;
    double fontScale_ = 1.0;
    TwipsLayout layout_{*page_};
    QString listFileName_;
    MessageFunction showMessage_;
    SaveFileFunction chooseSaveFile_;
    bool loaded_ = false;
    bool unloaded_ = false;
    // The list file existed but could not be read: it is written over only
    // when the user agrees.
    bool listFileUnreadable_ = false;
    QString listFileError_;
    std::vector<LineNotice> listFileNotices_;
    // While set, the editor's fields name no course, whatever the chooser
    // shows: their rules store nothing.
    bool fieldsDetached_ = false;
    // Why the list file cannot be saved, found at start; empty when it can.
    QString listFileUnwritable_;
    // Lines beyond the largest list: written back after the courses.
    QByteArray listFileKeptLines_;
    // Keeps the search's place, so that "Weiter suchen" goes on from it.
    SearchSession search_;
    // The list file's lock and what it held when last read or written.
    STD::GuardedFile listFile_{listFileName_};
    // Taken as the window is made, so that the list is read while it builds.
    STD::GuardedFile::LockState listFileLock_ = STD::GuardedFile::LockState::Unavailable;
    ListFileReading listReading_;
    STD::BackgroundSave autoSave_;
    // The courses as the last handler left them, and their lines in the
    // file (made at the first background write, then kept up to date), so
    // that a write encodes only what changed.
    std::vector<Termin> seenCourses_;
    std::vector<QByteArray> seenLines_;
    int handlersRunning_ = 0;
    // Another program has the list open: this one leaves it alone.
    bool listFileHeld_ = false;
    std::optional<Timetable> shownTimetable_;
    ExportDialogs exportDialogs_;
    std::optional<LecturePeriod> chosenPeriod_;
};

template <typename Sender, typename Signal, typename... Arguments>
void Form1::On(Sender* sender, Signal event, void (Form1::*handler)(Arguments...))
{
    connect(sender, event, this, [this, handler](Arguments... arguments) {
        RunHandler([&] { (this->*handler)(arguments...); });
    });
}

template <typename Sender, typename Signal, std::invocable Handler>
void Form1::On(Sender* sender, Signal event, Handler handler)
{
    connect(sender, event, this, [this, handler] { RunHandler(handler); });
}
