// Prints what saving as you go costs the window at the largest list: the
// main thread's share of one background write next to the close's write,
// and how long a keystroke waits to be handled while a typist's keys make
// background writes every second.
#include "app/Form1.h"
#include "model/CourseListFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

CourseCollection FullList()
{
    CourseCollection courses;
    for (int i = 0; i < CourseCollection::MaxCount; ++i) {
        Termin& course = courses.Append();
        course.Caption = u"Lehrveranstaltung Nr. %1 – Übung"_s.arg(i);
        course.Priority = qint16(i % 200);
        course.Times = u"10000000010000000001"_s;
        course.Info = u"Raum %1\r\nProf. Müller"_s.arg(i % 300);
        course.Color = i * 517 % 16777216;
    }
    return courses;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Print(const char* what, double cpu, double wall)
{
    std::printf("%-58s main-thread CPU %7.1f ms, wall %7.1f ms\n", what, cpu, wall);
}

void CloseWrite(Form1& form, const QString& file)
{
    std::vector<double> cpu, wall;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        const double start = ThreadCpuMs();
        WriteCourseList(file, form.Courses);
        cpu.push_back(ThreadCpuMs() - start);
        wall.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    Print("the close's write (all on the main thread)", Median(cpu), Median(wall));
}

void BackgroundWrite(Form1& form)
{
    form.AutoSave().SetDelay(0ms);
    std::vector<double> cpu, wall;
    for (int run = 0; run < 5; ++run) {
        QEventLoop loop;
        QObject::connect(&form.AutoSave(), &STD::BackgroundSave::Written, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        const double start = ThreadCpuMs();
        form.AutoSave().Schedule();
        loop.exec();
        cpu.push_back(ThreadCpuMs() - start);
        wall.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    Print("one background write, start to report", Median(cpu), Median(wall));
}

// Keys posted about 10 a second for `seconds`; each one's wait from posting to
// its field's handler.
void Typing(Form1& form, int seconds)
{
    form.AutoSave().SetDelay(1000ms);
    std::vector<double> latencies;
    int writes = 0;
    QElapsedTimer posted;
    QObject::connect(&form.AutoSave(), &STD::BackgroundSave::Written, [&writes] { ++writes; });
    QObject::connect(form.Text2, &TextField::Change,
                     [&] { latencies.push_back(double(posted.nsecsElapsed()) / 1e6); });
    QTimer keys;
    int sent = 0;
    QObject::connect(&keys, &QTimer::timeout, [&] {
        const int key = sent++ % 2 == 0 ? Qt::Key_7 : Qt::Key_Backspace;
        posted.start();
        QApplication::postEvent(form.Text2, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier,
                                                          key == Qt::Key_7 ? u"7"_s : QString()));
        QApplication::postEvent(form.Text2, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
    });
    keys.start(97);
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    const double start = ThreadCpuMs();
    loop.exec();
    const double cpu = ThreadCpuMs() - start;
    keys.stop();
    std::sort(latencies.begin(), latencies.end());
    double sum = 0;
    for (const double latency : latencies)
        sum += latency;
    std::printf("typing %d s at about 10 keys/s: %zu keys handled, %d background writes\n", seconds,
                latencies.size(), writes);
    if (latencies.empty())
        return;
    std::printf("  key posted to handled: mean %.2f ms, 99th percentile %.2f ms, max %.2f ms\n",
                sum / double(latencies.size()), latencies[latencies.size() * 99 / 100],
                latencies.back());
    std::printf("  main-thread CPU over the run: %.0f ms (%.1f %% of one core)\n", cpu,
                cpu / (seconds * 10.0));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const QString file = folder.filePath(u"liste.txt"_s);
    WriteCourseList(file, FullList());
    {
        Form1 form(file);
        form.SetMessageFunction([](const Message&) { return MessageAnswer::Ok; });
        form.show();
        std::printf("%d courses in the window\n", int(form.Courses.Count()));
        CloseWrite(form, folder.filePath(u"kopie.txt"_s));
        BackgroundWrite(form);
        Typing(form, argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20);
        form.AutoSave().Stop();
    }
    return 0;
}
