#pragma once

class Form1;
class QGuiApplication;

// SIGTERM, SIGHUP and SIGINT, and the desktop session's end, save the list
// as a close does, without a question; the signals then end the program.
// The signal handler only wakes the event loop, which does the work.
// Holds those signals back, in this thread and the threads it starts, until
// SaveWhenTheSessionEnds can take them: called before anything else, as the
// window takes the list's lock and starts reading it as it is made.
void HoldEndingSignals();
void SaveWhenTheSessionEnds(QGuiApplication& application, Form1& window);
