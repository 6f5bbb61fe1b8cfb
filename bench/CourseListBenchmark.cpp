// Reading and writing course lists: the largest list the window holds, a
// file of 100 MB, a file with more lines than the list holds, and lines
// full of "#13" and "#44". Each read also reports its peak memory.
#include "model/CourseListFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

CourseCollection FullCollection()
{
    CourseCollection courses;
    for (int i = 0; i < CourseCollection::MaxCount; ++i) {
        Termin& course = courses.Append();
        course.Caption = u"Lehrveranstaltung Nr. %1 – Übung"_s.arg(i);
        course.Priority = qint16(i % 200 - 50);
        course.Times = u"10000000010000000001"_s;
        course.Info = u"Raum %1\r\nProf. Müller, 5 €"_s.arg(i % 300);
        course.VisitAll = i % 7 == 0;
        course.Color = i * 517 % 16777216;
    }
    return courses;
}

// `lines` course lines of `lineBytes` bytes each (line break included),
// notes mostly.
QByteArray ListBytes(int lines, int lineBytes)
{
    const QByteArray head = "Lehrveranstaltung,0,5,255,10000000010000000001,";
    const QByteArray unit = "Raum 1#13Prof. M\xfcller, 5 \x80 ";
    const qsizetype noteBytes = std::max<qsizetype>(0, lineBytes - head.size() - 2);
    const QByteArray notes =
        unit.repeated(noteBytes / unit.size()) + QByteArray(noteBytes % unit.size(), 'x');
    QByteArray bytes;
    bytes.reserve(qsizetype(lines) * lineBytes);
    for (int i = 0; i < lines; ++i)
        bytes += head + notes + "\r\n";
    return bytes;
}

QString WriteFile(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString name = dir.filePath(u"liste.txt"_s);
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the benchmark file");
    return name;
}

// A line "Name:   1234 kB" of /proc/self/status, in kB.
long StatusKilobytes(const char* name)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(name))
            return line.mid(qstrlen(name)).trimmed().split(' ').value(0).toLong();
    return 0;
}

// The peak memory of reading fileName once, beyond what the process held
// before: measured in a fresh run of this program, so that nothing the
// benchmark allocated or freed counts.
double PeakReadMegabytes(const QString& fileName)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        const QByteArray file = QFile::encodeName(fileName);
        execl("/proc/self/exe", "bench_course_list", "--peak-read", file.constData(), nullptr);
        _exit(1);
    }
    close(pipeEnds[1]);
    QFile output;
    output.open(pipeEnds[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QByteArray kilobytes = output.readAll().trimmed();
    waitpid(child, nullptr, 0);
    return kilobytes.isEmpty() ? -1 : kilobytes.toLong() / 1024.0;
}

int PrintPeakRead(const char* fileName)
{
    const long before = StatusKilobytes("VmRSS:");
    benchmark::DoNotOptimize(ReadCourseList(QFile::decodeName(fileName)));
    std::printf("%ld\n", StatusKilobytes("VmHWM:") - before);
    return 0;
}

void ReadFile(benchmark::State& state, const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString file = WriteFile(dir, bytes);
    std::size_t courses = 0;
    for (auto _ : state)
        courses = ReadCourseList(file).courses.size();
    const double megabytes = bytes.size() / (1024.0 * 1024.0);
    const double peak = PeakReadMegabytes(file);
    state.counters["courses"] = double(courses);
    state.counters["fileMB"] = megabytes;
    state.counters["peakMB"] = peak;
    state.counters["peakPerFile"] = peak / megabytes;
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void WriteFullList(benchmark::State& state)
{
    const CourseCollection courses = FullCollection();
    QTemporaryDir dir;
    const QString file = dir.filePath(u"liste.txt"_s);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteCourseList(file, courses));
    state.SetItemsProcessed(state.iterations() * courses.Count());
}

void ReadFullList(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"liste.txt"_s);
    WriteCourseList(file, FullCollection());
    QFile written(file);
    written.open(QIODevice::ReadOnly);
    ReadFile(state, written.readAll());
}

void Read100MegabytesIn32767Lines(benchmark::State& state)
{
    ReadFile(state,
             ListBytes(CourseCollection::MaxCount, 100 * 1024 * 1024 / CourseCollection::MaxCount));
}

void Read40000Lines(benchmark::State& state)
{
    ReadFile(state, ListBytes(40000, 80));
}

// One line of state.range(0) MB of markers: the time grows with the length.
void ReadLineOfMarkers(benchmark::State& state)
{
    const qsizetype size = state.range(0) * 1024 * 1024;
    const QByteArray caption = QByteArray("#44").repeated(size / 6);
    const QByteArray info = QByteArray("#13").repeated(size / 6);
    ReadFile(state, caption + ",0,1,0,10000000000000000000," + info + "\r\n");
}

} // namespace

BENCHMARK(WriteFullList)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadFullList)->Unit(benchmark::kMillisecond);
BENCHMARK(Read100MegabytesIn32767Lines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Read40000Lines)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadLineOfMarkers)
    ->Arg(6)
    ->Arg(24)
    ->Arg(42)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--peak-read") == 0)
        return PrintPeakRead(argv[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
