#pragma once
// The window program's command line without a window:
//   tarvolin4 --pdf OUT.pdf [--lang e|d|s] [PROJECT]   (also --pdf=OUT.pdf)
// writes the report of the project (or the default aircraft) as PDF; --help and --version print
// and end. File names are taken as the bytes given.

/// True when the command line asks for the PDF export (then no window is shown).
bool isPdfCommand(int argc, char** argv);
/// True when the command line asks for --help or --version (then no window is shown either).
bool isInformationRequest(int argc, char** argv);
/// Prints the usage or the version; 0, or 2 when standard output cannot take it.
int runInformationRequest(int argc, char** argv);
/// Runs the export; 0 on success, 2 with a message on standard error otherwise: arguments not
/// understood, a project that cannot be read or is no project, an output that is the project or
/// a project file, a calculation that fails, a PDF not written. Needs a QApplication. The user's
/// recent projects are left as they are.
int runPdfCommand(int argc, char** argv);
