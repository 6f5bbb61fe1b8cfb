#pragma once

class Form1;
class QGuiApplication;

// SIGTERM, SIGHUP and SIGINT, and the desktop session's end, save the list
// as a close does, without a question; the signals then end the program.
// The signal handler only wakes the event loop, which does the work.
void SaveWhenTheSessionEnds(QGuiApplication& application, Form1& window);
