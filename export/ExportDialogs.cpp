#include "export/ExportDialogs.h"

#include "export/PeriodDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>

using namespace Qt::Literals::StringLiterals;

namespace {

std::optional<QString> ChooseSaveFile(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent, request.title, QFileInfo(request.proposedFile).path(),
                       request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(request.proposedFile).suffix());
    dialog.selectFile(QFileInfo(request.proposedFile).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool SetUpPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(u"Stundenplan drucken"_s);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

ExportDialogs DesktopExportDialogs(QWidget* parent)
{
    return {
        .chooseFile =
            [parent](const FileRequest& request) { return ChooseSaveFile(parent, request); },
        .askPeriod =
            [parent](const LecturePeriod& proposed) { return AskPeriod(parent, proposed); },
        .setUpPrinter = [parent](QPrinter& printer) { return SetUpPrinter(parent, printer); },
    };
}
