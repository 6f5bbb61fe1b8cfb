// Must not build: the core knows no control class.
#include "controls/KeyCode.h"
#include "model/Termin.h"
