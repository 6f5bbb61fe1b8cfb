#pragma once

#include "general/FileTable.h"

#include <QString>

namespace STD {

// The next line of an open file without its LF or CR LF; past the end the
// single character CR, which marks the end of the file.
QString ReadLine(FileTable& files, quint8 fileNumber);

// Deletes fileName and opens it anew, empty, under fileNumber. `mode` is one
// of "", "random", "input", "output", "binary", "append" in any case; any
// other word raises error 5 after the old file is gone.
void OpenNewFile(FileTable& files, const QString& fileName, qint32 fileNumber, const QString& mode,
                 qint32 recordLength);

// The characters of text as Windows-1252 bytes from the current position on.
void WriteText(FileTable& files, quint8 fileNumber, const QString& text);
void WriteLine(FileTable& files, quint8 fileNumber, const QString& text);

} // namespace STD
