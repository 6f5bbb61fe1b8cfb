#include "app/Form1.h"
#include "app/ListFileMessages.h"
#include "controls/BusyNotice.h"
#include "general/DiskFile.h"
#include "general/StdError.h"
#include "general/TextRoutines.h"
#include "model/CourseListFile.h"

#include <QDateTime>
#include <QDir>
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
    if (!TakeListFile())
        return;
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
    // What the loading itself did to the chosen course is no edit.
    TakeCourseChanges();
    setWindowModified(false);
    TellAboutListFile();
}

bool Form1::TakeListFile()
{
    if (listFileLock_ != STD::GuardedFile::LockState::HeldElsewhere)
        return true;
    listFileHeld_ = true;
    Tell(HeldElsewhereText(listFileName_, listFile_.HolderProcess()), MessageIcon::Warning);
    return false;
}

bool Form1::Start()
{
    if (!loaded_)
        RunHandler([this] { Form_Load(); });
    return !listFileHeld_ && !unloaded_;
}

void Form1::ReadListFile()
{
    std::optional<BusyNotice> reading;
    if (QFileInfo(listFileName_).size() >= LongReadBytes)
        reading.emplace(u"Kalustra"_s, u"Die Liste „%1“ wird gelesen …"_s.arg(
                                           QFileInfo(listFileName_).fileName()));
    // Whatever goes wrong, the file may hold courses: it is not written
    // over at the end without the user's yes.
    std::optional<STD::GuardedFile::Fingerprint> read;
    listFileUnreadable_ = !Attempt(
        [&] {
            ListFileRead file = listReading_.Take(listFileName_);
            read = std::move(file.fingerprint);
            Courses.Assign(std::move(file.content.courses));
            seenCourses_ = std::move(file.courseCopy);
            Combo1->AddItems(file.captions);
            listFileNotices_ = std::move(file.content.notices);
            listFileKeptLines_ = std::move(file.content.keptLines);
        },
        listFileError_);
    // What was read is this program's; anything else found there before a
    // write is someone else's. Unknown, nothing counts as theirs.
    if (!listFileUnreadable_ && read)
        listFile_.Remember(std::move(*read));
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
    if (listFileHeld_)
        return;
    autoSave_.Stop();
    if (!listFileUnreadable_ || MayOverwriteListFile())
        SaveListFile(Cancel);
    if (Cancel != 0)
        autoSave_.Resume();
}

bool Form1::MayOverwriteListFile()
{
    return Ask(OverwriteUnreadableQuestion(listFileName_, Courses.Count()), MessageButtons::YesNo,
               MessageIcon::Question, MessageAnswer::No) == MessageAnswer::Yes;
}

void Form1::SaveListFile(qint16& Cancel)
{
    QString target = listFileName_;
    if (listFile_.ChangedOutside()) {
        // Nothing of this session's would be kept: the other version stays.
        if (!isWindowModified())
            return;
        target = AnswerOutsideChange(Cancel);
        if (target.isEmpty())
            return;
    }
    WriteListTo(target, Cancel);
}

// Where the list goes after someone else changed the file; empty: nowhere.
QString Form1::AnswerOutsideChange(qint16& Cancel)
{
    for (;;) {
        switch (Ask(OutsideChangeQuestion(listFileName_), MessageButtons::KeepOverwriteSaveAsCancel,
                    MessageIcon::Warning, MessageAnswer::Cancel)) {
        case MessageAnswer::Overwrite:
            return listFileName_;
        case MessageAnswer::SaveAs:
            if (QString other = ChooseSaveFile(listFileName_); !other.isEmpty())
                return other;
            continue;
        case MessageAnswer::Keep:
            return {};
        default:
            Cancel = 1;
            return {};
        }
    }
}

void Form1::WriteListTo(QString target, qint16& Cancel)
{
    for (;;) {
        qsizetype replaced = 0;
        QString reason;
        if (Attempt([&] { replaced = WriteList(target); }, reason)) {
            if (replaced > 0)
                Tell(ReplacedCharactersText(target, replaced), MessageIcon::Information);
            return;
        }
        switch (Ask(SaveFailedText(target, reason), MessageButtons::RetrySaveAsDiscardCancel,
                    MessageIcon::Critical)) {
        case MessageAnswer::Retry:
            continue;
        case MessageAnswer::SaveAs:
            if (QString other = ChooseSaveFile(target); !other.isEmpty())
                target = other;
            continue;
        case MessageAnswer::Discard:
            return;
        default:
            Cancel = 1;
            return;
        }
    }
}

// Returns how many characters were written as "?".
qsizetype Form1::WriteList(const QString& target)
{
    qsizetype replaced = 0;
    const QByteArray bytes = CourseListBytes(Courses, listFileKeptLines_, &replaced);
    if (QFileInfo(target).absoluteFilePath() != listFileName_) {
        STD::ReplaceFile(target, bytes);
        return replaced;
    }
    listFile_.Write(bytes);
    autoSave_.NoteWritten();
    setWindowModified(false);
    return replaced;
}

QString Form1::ChooseSaveFile(const QString& failedTarget)
{
    // Beside the list where its folder still exists, else at home.
    const QFileInfo failed(failedTarget);
    const QString folder = failed.absoluteDir().exists() ? failed.absolutePath() : QDir::homePath();
    return chooseSaveFile_(QDir(folder).filePath(failed.fileName()));
}

void Form1::SaveWithoutQuestion()
{
    // An unreadable file is written over only with the user's yes.
    if (!loaded_ || unloaded_ || listFileHeld_ || listFileUnreadable_)
        return;
    autoSave_.Stop();
    QString target = listFileName_;
    if (listFile_.ChangedOutside()) {
        if (!isWindowModified()) {
            autoSave_.Resume();
            return;
        }
        const QFileInfo list(listFileName_);
        target = list.dir().filePath(u"%1 (Kalustra %2).%3"_s.arg(
            list.completeBaseName(),
            QDateTime::currentDateTime().toString(u"yyyy-MM-dd hh.mm.ss"_s), list.suffix()));
    }
    QString reason;
    if (!Attempt([&] { WriteList(target); }, reason))
        qWarning("%s", qUtf8Printable(SaveFailedText(target, reason)));
    else if (target != listFileName_)
        qWarning("%s", qUtf8Printable(SavedBesideText(listFileName_, target)));
    autoSave_.Resume();
}

void Form1::EndWithoutQuestion()
{
    SaveWithoutQuestion();
    unloaded_ = true;
}
