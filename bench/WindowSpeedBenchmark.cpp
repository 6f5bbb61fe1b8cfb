// The window's start-up and the chooser's drop-down, offscreen, on lists of
// 20 and 32767 courses, and the two message boxes. CPU time of the process.
#include "app/Form1.h"
#include "controls/MessageBox.h"
#include "model/CourseListFile.h"
#include "support/CourseKinds.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// A list file of `count` typical courses in its own folder.
struct ListFile
{
    explicit ListFile(int count)
    {
        std::mt19937 random(11);
        CourseCollection courses = RandomCourses(CourseKind::Typical, count, random);
        for (int i = 0; i < count; ++i)
            courses[i].Caption = u"Veranstaltung %1"_s.arg(i);
        WriteCourseList(Path(), courses);
    }
    QString Path() const { return directory.filePath(u"liste.txt"_s); }

    QTemporaryDir directory;
};

// The window opened on the list, until it has painted.
std::unique_ptr<Form1> OpenWindow(const ListFile& list)
{
    auto form = std::make_unique<Form1>(list.Path());
    form->SetMessageFunction([](const Message&) { return MessageAnswer::Ok; });
    form->show();
    QApplication::processEvents();
    return form;
}

void StartUp(benchmark::State& state)
{
    const ListFile list(int(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<Form1> form = OpenWindow(list);
        state.PauseTiming();
        form->hide();
        form.reset();
        state.ResumeTiming();
    }
}

// The drop-down after its items changed, as after a sort, add or delete.
void DropDown(benchmark::State& state)
{
    const ListFile list(int(state.range(0)));
    std::unique_ptr<Form1> form = OpenWindow(list);
    ChooserBox& chooser = *form->Combo1;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        chooser.SetList(0, u"Umbenannt %1"_s.arg(++round));
        state.ResumeTiming();
        chooser.showPopup();
        QApplication::processEvents();
        state.PauseTiming();
        chooser.hidePopup();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// A box shown and closed at once: the deletion question and the notice.
void Box(benchmark::State& state)
{
    QWidget parent;
    const Message message{.text = u"Keine weiteren Möglichkeiten gefunden."_s,
                          .title = u"Terminverteilung suchen"_s,
                          .buttons = state.range(0) ? MessageButtons::YesNo : MessageButtons::Ok,
                          .icon = state.range(0) ? MessageIcon::Question : MessageIcon::None};
    for (auto _ : state) {
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        benchmark::DoNotOptimize(ShowMessageBox(&parent, message));
    }
}

} // namespace

BENCHMARK(StartUp)->Arg(20)->Arg(32767)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DropDown)->Arg(20)->Arg(32767)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Box)->Arg(0)->Arg(1)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
