// Must not build: the page and the calendar need no widget.
#include "export/CalendarFile.h"
#include <QWidget>
