// The course editor and the chooser in the real window, with a course list of
// the largest size the list can hold: every keystroke looks the chosen course
// up among all the chooser's items, and adding or deleting a course moves
// the chooser's items and the collection together.
#include "app/Form1.h"
#include "controls/KeyCode.h"
#include "model/CourseListFile.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// The courses differ in every field, so that showing another one changes
// every field and runs every rule.
CourseCollection Collection(int count)
{
    CourseCollection courses;
    for (int i = 0; i < count; ++i) {
        Termin& course = courses.Append();
        course.Caption = u"Lehrveranstaltung Nr. %1 – Übung"_s.arg(i);
        course.Priority = qint16(i % 200 - 50);
        course.Times = i % 2 ? u"10000000010000000001"_s : u"01100000000000000110"_s;
        course.Info = u"Raum %1\r\nProf. Müller"_s.arg(i % 300);
        course.VisitAll = i % 2 == 0;
        course.Color = i * 517 % 16777216;
    }
    return courses;
}

// One window over `count` courses, loaded as at start; the last course chosen.
class Window
{
public:
    explicit Window(int count)
    {
        const QString file = dir_.filePath(u"liste.txt"_s);
        WriteCourseList(file, Collection(count));
        form_ = std::make_unique<Form1>(file);
        form_->SetMessageFunction([](const Message&) { return MessageAnswer::Yes; });
        form_->Form_Load();
        form_->Combo1->SetListIndex(count - 1);
    }

    Form1& operator*() { return *form_; }
    Form1* operator->() { return form_.get(); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<Form1> form_;
};

// Closed before the application ends.
std::unique_ptr<Window>& FullWindowSlot()
{
    static std::unique_ptr<Window> window;
    return window;
}

Window& FullWindow()
{
    std::unique_ptr<Window>& window = FullWindowSlot();
    if (!window)
        window = std::make_unique<Window>(CourseCollection::MaxCount);
    return *window;
}

void FindLastCourse(benchmark::State& state)
{
    Form1& form = *FullWindow();
    for (auto _ : state)
        benchmark::DoNotOptimize(form.FindSelectedCourse());
}

// Two courses at the end, shown in turn: every field changes each time.
void ShowLastCourses(benchmark::State& state)
{
    Form1& form = *FullWindow();
    const int last = form.Courses.Count() - 1;
    int item = last;
    for (auto _ : state) {
        item = item == last ? last - 1 : last;
        form.Combo1->SetListIndex(item);
    }
    form.Combo1->SetListIndex(last);
}

// Each iteration types one key and takes it back: two keystrokes.
void KeystrokeInPriority(benchmark::State& state)
{
    Form1& form = *FullWindow();
    form.Text2->end(false);
    for (auto _ : state) {
        QTest::keyClick(form.Text2, Qt::Key_7);
        QTest::keyClick(form.Text2, Qt::Key_Backspace);
    }
    state.SetItemsProcessed(2 * state.iterations());
}

void KeystrokeInGreen(benchmark::State& state)
{
    Form1& form = *FullWindow();
    form.Text4[1]->SetText(u"1"_s);
    form.Text4[1]->end(false);
    for (auto _ : state) {
        QTest::keyClick(form.Text4[1], Qt::Key_7);
        QTest::keyClick(form.Text4[1], Qt::Key_Backspace);
    }
    state.SetItemsProcessed(2 * state.iterations());
}

void KeystrokeInInfo(benchmark::State& state)
{
    Form1& form = *FullWindow();
    for (auto _ : state) {
        QTest::keyClick(form.Text1, Qt::Key_X);
        QTest::keyClick(form.Text1, Qt::Key_Backspace);
    }
    state.SetItemsProcessed(2 * state.iterations());
}

void EnterInSlotList(benchmark::State& state)
{
    Form1& form = *FullWindow();
    for (auto _ : state)
        QTest::keyClick(form.List2, Qt::Key_Return);
}

// Enter on a new name in a list one short of full; the course is deleted
// again outside the timing.
void AddCourse(benchmark::State& state)
{
    Window window(CourseCollection::MaxCount - 1);
    Form1& form = *window;
    int missed = 0;
    for (auto _ : state) {
        form.Combo1->SetText(u"Neu"_s);
        QTest::keyClick(form.Combo1, Qt::Key_Return);
        state.PauseTiming();
        if (form.Courses.Count() != CourseCollection::MaxCount)
            ++missed;
        form.Combo1->SetListIndex(form.Combo1->ListCount() - 1);
        form.Command1_Click();
        state.ResumeTiming();
    }
    if (missed > 0)
        state.SkipWithError("a course was not added");
}

// Deleting the first course of a full list, after the user's yes: every
// later course moves up, and the new first course is shown. It is added
// again outside the timing.
void DeleteFirstCourse(benchmark::State& state)
{
    Window window(CourseCollection::MaxCount);
    Form1& form = *window;
    int missed = 0;
    int added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.Combo1->SetListIndex(0);
        state.ResumeTiming();
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        state.PauseTiming();
        if (form.Courses.Count() != CourseCollection::MaxCount - 1)
            ++missed;
        form.Combo1->SetText(u"Neu %1"_s.arg(++added));
        form.Combo1_KeyDown(EnterKeyCode, 0);
        state.ResumeTiming();
    }
    if (missed > 0)
        state.SkipWithError(qPrintable(u"%1 courses not deleted"_s.arg(missed)));
}

} // namespace

BENCHMARK(FindLastCourse)->Unit(benchmark::kMillisecond);
BENCHMARK(ShowLastCourses)->Unit(benchmark::kMillisecond);
BENCHMARK(KeystrokeInPriority)->Unit(benchmark::kMillisecond);
BENCHMARK(KeystrokeInGreen)->Unit(benchmark::kMillisecond);
BENCHMARK(KeystrokeInInfo)->Unit(benchmark::kMillisecond);
BENCHMARK(EnterInSlotList)->Unit(benchmark::kMillisecond);
BENCHMARK(AddCourse)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteFirstCourse)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    FullWindowSlot().reset();
    return 0;
}
