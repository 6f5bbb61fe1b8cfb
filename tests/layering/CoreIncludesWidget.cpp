// Must not build: the core has no widgets.
#include "model/Termin.h"
#include <QWidget>
