// Must not build: the control classes know nothing of the window.
#include "app/Form1.h"
#include "controls/ChooserBox.h"
