#pragma once

#include "model/CourseListFile.h"

#include <QString>

#include <vector>

// What the user is told about the course list file, in German. fileName is
// shown as the full path, so the user can find the file.

// Which lines had to be repaired or left out, and why; a long list ends
// with how many more there are.
QString RepairNoticeText(const QString& fileName, const std::vector<LineNotice>& notices);
QString UnreadableListText(const QString& fileName, const QString& reason);
QString UnwritableListText(const QString& fileName, const QString& reason);
QString OverwriteUnreadableQuestion(const QString& fileName, int courseCount);
QString SaveFailedText(const QString& fileName, const QString& reason);
QString HeldElsewhereText(const QString& fileName, qint64 process);
QString OutsideChangeQuestion(const QString& fileName);
// Told on the terminal when the session ended: this session's list went
// beside a file that someone else had changed.
QString SavedBesideText(const QString& fileName, const QString& savedAs);
QString ReplacedCharactersText(const QString& fileName, qsizetype count);

// An error that reached the window's event handling; number 0: none known.
QString HandlerErrorText(int number, const QString& text);

// How many notices RepairNoticeText lists one by one.
constexpr int ListedNotices = 12;
