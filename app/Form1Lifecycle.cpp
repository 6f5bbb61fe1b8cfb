#include "app/Form1.h"
#include "app/ListFileMessages.h"
#include "general/StdError.h"
#include "general/TextRoutines.h"
#include "model/CourseListFile.h"

#include <QLabel>

#include <exception>

using namespace Qt::Literals::StringLiterals;

namespace {

QString ReasonOf(const std::exception& error)
{
    if (const auto* stdError = dynamic_cast<const STD::Error*>(&error))
        return stdError->Text();
    return QString::fromLocal8Bit(error.what());
}

} // namespace

void Form1::Form_Load()
{
    loaded_ = true;
    Courses.Clear();
    List1->SetListIndex(0);
    ReadListFile();
    if (Combo1->ListCount() > 0)
        Combo1->SetListIndex(0);
    BuildWeekGrid();
    Label4->setText(Label4->text().replace(u"#13"_s, STD::LineBreak()));
    TellAboutListFile();
}

void Form1::ReadListFile()
{
    try {
        CourseListContent content = ReadCourseList(listFileName_);
        for (Termin& course : content.courses) {
            Combo1->AddItem(course.Caption);
            Courses.Append(std::move(course));
        }
        listFileNotices_ = std::move(content.notices);
    } catch (const std::exception& error) {
        // Whatever went wrong, the file may hold courses: it is not written
        // over at the end without the user's yes.
        listFileUnreadable_ = true;
        listFileError_ = ReasonOf(error);
    }
}

void Form1::TellAboutListFile()
{
    if (listFileUnreadable_) {
        MsgBox({.text = UnreadableListText(listFileName_, listFileError_),
                .title = windowTitle(),
                .buttons = MessageButtons::Ok,
                .icon = MessageIcon::Warning});
    } else if (!listFileNotices_.empty()) {
        MsgBox({.text = RepairNoticeText(listFileName_, listFileNotices_),
                .title = windowTitle(),
                .buttons = MessageButtons::Ok,
                .icon = MessageIcon::Warning});
    }
}

void Form1::Form_Unload(qint16& Cancel)
{
    if (listFileUnreadable_ && !MayOverwriteListFile())
        return;
    SaveListFile(Cancel);
}

bool Form1::MayOverwriteListFile()
{
    const MessageAnswer answer =
        MsgBox({.text = OverwriteUnreadableQuestion(listFileName_, Courses.Count()),
                .title = windowTitle(),
                .buttons = MessageButtons::YesNo,
                .icon = MessageIcon::Question,
                .defaultAnswer = MessageAnswer::No});
    return answer == MessageAnswer::Yes;
}

void Form1::SaveListFile(qint16& Cancel)
{
    for (;;) {
        try {
            const qsizetype replaced = WriteCourseList(listFileName_, Courses);
            if (replaced > 0)
                MsgBox({.text = ReplacedCharactersText(listFileName_, replaced),
                        .title = windowTitle(),
                        .buttons = MessageButtons::Ok,
                        .icon = MessageIcon::Information});
            return;
        } catch (const std::exception& error) {
            const MessageAnswer answer =
                MsgBox({.text = SaveFailedText(listFileName_, ReasonOf(error)),
                        .title = windowTitle(),
                        .buttons = MessageButtons::RetryDiscardCancel,
                        .icon = MessageIcon::Critical});
            if (answer == MessageAnswer::Retry)
                continue;
            if (answer == MessageAnswer::Cancel)
                Cancel = 1;
            return;
        }
    }
}
