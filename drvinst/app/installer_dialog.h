#pragma once

// The installer's dialog, which the program shows when started without
// arguments. Each system's front end defines it: Win32 dialogs on Windows,
// Qt Widgets elsewhere. Returns the process exit code.
int runInstallerDialog(int &argc, char **argv);
