#pragma once

// Makes screen readers see a ChooserBox by the name it was given, with what
// it shows as its value. Qt's own combo box on Linux reports the shown text
// as the name too, so the chooser would be called after the course it shows.
void InstallChooserAccessible();
