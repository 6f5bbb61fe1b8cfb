#include "export/PeriodDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

QDateEdit* NewDateEdit(const QDate& date, QWidget* parent)
{
    auto* edit = new QDateEdit(date, parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(u"dddd, dd.MM.yyyy"_s);
    return edit;
}

} // namespace

PeriodDialog::PeriodDialog(const LecturePeriod& proposed, QWidget* parent)
    : QDialog(parent), first_(NewDateEdit(proposed.first, this)),
      last_(NewDateEdit(proposed.last, this))
{
    // German day names and calendar, whatever the system's language.
    setLocale(QLocale(QLocale::German, QLocale::Germany));
    setWindowTitle(u"In Kalender exportieren"_s);
    auto* explanation = new QLabel(u"Der Stundenplan wird in jeder Woche der Vorlesungszeit "
                                   u"wiederholt."_s,
                                   this);
    explanation->setWordWrap(true);
    auto* fields = new QFormLayout;
    fields->addRow(u"&Erster Vorlesungstag:"_s, first_);
    fields->addRow(u"&Letzter Vorlesungstag:"_s, last_);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(u"Exportieren"_s, QDialogButtonBox::AcceptRole);
    buttons->addButton(u"Abbrechen"_s, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto check = [this] { ok_->setEnabled(Period().IsValid()); };
    connect(first_, &QDateEdit::dateChanged, this, check);
    connect(last_, &QDateEdit::dateChanged, this, check);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    check();
}

LecturePeriod PeriodDialog::Period() const
{
    return {first_->date(), last_->date()};
}

std::optional<LecturePeriod> AskPeriod(QWidget* parent, const LecturePeriod& proposed)
{
    PeriodDialog dialog(proposed, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Period();
}
