#pragma once
// tarvolin4 --pdf OUT.pdf [--lang e|d|s] [PROJECT]: the report of the project (or the default
// aircraft) written as PDF without showing a window.
#include <QStringList>

/// True when the command line asks for the PDF export (then no window is shown).
bool isPdfCommand(int argc, char** argv);
/// Runs the export with the arguments after the program name; 0 on success, 2 with a message on
/// standard error otherwise. Needs a QApplication.
int runPdfCommand(const QStringList& args);
