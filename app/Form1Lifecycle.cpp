#include "app/Form1.h"
#include "app/ListFileMessages.h"
#include "controls/BusyNotice.h"
#include "general/DiskFile.h"
#include "general/StdError.h"
#include "general/TextRoutines.h"
#include "model/CourseListFile.h"

#include <QFileInfo>
#include <QLabel>

#include <exception>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// Whatever failed, its reason in words the user can read.
template <typename Action> bool Attempt(Action action, QString& reason)
{
    try {
        action();
        return true;
    } catch (const STD::Error& error) {
        reason = error.Text();
    } catch (const std::exception& error) {
        reason = QString::fromLocal8Bit(error.what());
    }
    return false;
}

// Read at some 100 MB a second or less: from this size on the user waits.
constexpr qint64 LongReadBytes = qint64(16) << 20;

} // namespace

void Form1::Form_Load()
{
    loaded_ = true;
    Courses.Clear();
    List1->SetListIndex(0);
    ReadListFile();
    if (Combo1->ListCount() > 0) {
        Combo1->SetListIndex(0);
        // The info field takes the course's colour even where no colour
        // field changed.
        Text4_Change(0);
    }
    BuildWeekGrid();
    Label4->setText(Label4->text().replace(u"#13"_s, STD::LineBreak()));
    TellAboutListFile();
}

void Form1::ReadListFile()
{
    std::optional<BusyNotice> reading;
    if (QFileInfo(listFileName_).size() >= LongReadBytes)
        reading.emplace(u"Kalustra"_s, u"Die Liste „%1“ wird gelesen …"_s.arg(
                                           QFileInfo(listFileName_).fileName()));
    // Whatever goes wrong, the file may hold courses: it is not written
    // over at the end without the user's yes.
    listFileUnreadable_ = !Attempt(
        [this] {
            CourseListContent content = ReadCourseList(listFileName_);
            QStringList names;
            names.reserve(qsizetype(content.courses.size()));
            Courses.Reserve(int(content.courses.size()));
            for (Termin& course : content.courses) {
                names << course.Caption;
                Courses.Append(std::move(course));
            }
            Combo1->AddItems(names);
            listFileNotices_ = std::move(content.notices);
            listFileKeptLines_ = std::move(content.keptLines);
        },
        listFileError_);
    // Told now, so that nobody edits what cannot be saved. A file that
    // could not even be made is among the reader's notices already.
    if (!listFileUnreadable_ && QFileInfo::exists(listFileName_))
        Attempt([this] { STD::CheckReplaceable(listFileName_); }, listFileUnwritable_);
}

void Form1::TellAboutListFile()
{
    if (listFileUnreadable_) {
        Tell(UnreadableListText(listFileName_, listFileError_), MessageIcon::Warning);
        return;
    }
    QStringList parts;
    if (!listFileNotices_.empty())
        parts << RepairNoticeText(listFileName_, listFileNotices_);
    if (!listFileUnwritable_.isEmpty())
        parts << UnwritableListText(listFileName_, listFileUnwritable_);
    if (!parts.isEmpty())
        Tell(parts.join(u"\n\n"_s), MessageIcon::Warning);
}

void Form1::Form_Unload(qint16& Cancel)
{
    if (listFileUnreadable_ && !MayOverwriteListFile())
        return;
    SaveListFile(Cancel);
}

bool Form1::MayOverwriteListFile()
{
    return Ask(OverwriteUnreadableQuestion(listFileName_, Courses.Count()), MessageButtons::YesNo,
               MessageIcon::Question, MessageAnswer::No) == MessageAnswer::Yes;
}

void Form1::SaveListFile(qint16& Cancel)
{
    for (;;) {
        qsizetype replaced = 0;
        QString reason;
        if (Attempt([&] { replaced = WriteCourseList(listFileName_, Courses, listFileKeptLines_); },
                    reason)) {
            if (replaced > 0)
                Tell(ReplacedCharactersText(listFileName_, replaced), MessageIcon::Information);
            return;
        }
        const MessageAnswer answer = Ask(SaveFailedText(listFileName_, reason),
                                         MessageButtons::RetryDiscardCancel, MessageIcon::Critical);
        if (answer != MessageAnswer::Retry) {
            if (answer == MessageAnswer::Cancel)
                Cancel = 1;
            return;
        }
    }
}
