// The sort buttons and a fresh "Suchen" in the real window, offscreen, on
// lists of 2000, 8000 and 32767 courses: each click with its painting.
// Between iterations the window is put back to the unsorted list, untimed.
#include "SortLists.h"
#include "app/Form1.h"
#include "model/CourseListFile.h"
#include "model/CourseOrder.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Click
{
    Alphabet, // Command3
    Priority, // Command4
    Search,   // Command2, "Suchen"
};

// One window per list, loaded once from a list file as at start.
struct LoadedWindow
{
    QTemporaryDir directory;
    CourseCollection unsorted;
    std::unique_ptr<Form1> form;
};

using LoadedWindows = std::map<std::pair<int, int>, std::unique_ptr<LoadedWindow>>;

// Closed before the application ends: a window that outlives it crashes.
LoadedWindows& Windows()
{
    static LoadedWindows windows;
    return windows;
}

LoadedWindow& WindowFor(SortListKind kind, int count)
{
    auto& window = Windows()[{int(kind), count}];
    if (!window) {
        window = std::make_unique<LoadedWindow>();
        window->unsorted = SortList(kind, count);
        const QString file = window->directory.filePath(u"liste.txt"_s);
        WriteCourseList(file, window->unsorted);
        window->form = std::make_unique<Form1>(file);
        window->form->Form_Load();
        window->form->show();
    }
    return *window;
}

// Back to the list as loaded, the first course chosen, "Suchen" on the button.
void PutBack(LoadedWindow& window, const QString& sortedBy)
{
    Form1& form = *window.form;
    const std::vector<int> order = ExchangeOrder(window.unsorted, sortedBy);
    std::vector<int> back(order.size());
    for (std::size_t p = 0; p < order.size(); ++p)
        back[order[p]] = int(p);
    form.Courses = window.unsorted;
    form.Combo1->ReorderItems(back);
    form.Combo1->SetListIndex(0);
    form.Command2_LostFocus();
    QApplication::processEvents();
}

void WindowClick(benchmark::State& state)
{
    const auto kind = SortListKind(state.range(0));
    const int count = int(state.range(1));
    const auto click = Click(state.range(2));
    LoadedWindow& window = WindowFor(kind, count);
    Form1& form = *window.form;
    const QString key = click == Click::Alphabet ? u"alphabet"_s : u"priority"_s;
    for (auto _ : state) {
        switch (click) {
        case Click::Alphabet:
            form.Command3_Click();
            break;
        case Click::Priority:
            form.Command4_Click();
            break;
        case Click::Search:
            form.Command2_Click();
            break;
        }
        form.repaint();
        state.PauseTiming();
        PutBack(window, key);
        state.ResumeTiming();
    }
    static const char16_t* const clicks[] = {u"alphabet", u"priority", u"Suchen"};
    state.SetLabel(u"%1 %2 %3"_s.arg(SortListKindName(kind))
                       .arg(count)
                       .arg(QString::fromUtf16(clicks[int(click)]))
                       .toStdString());
}

} // namespace

BENCHMARK(WindowClick)
    ->ArgsProduct({{0, 1, 2, 4}, {2000, 8000, 32767}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Windows().clear();
    return 0;
}
