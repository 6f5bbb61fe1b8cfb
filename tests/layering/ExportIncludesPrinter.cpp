// Must not build: the page and the calendar need no widget and no printer.
#include "export/TimetablePage.h"
#include <QPrinter>
