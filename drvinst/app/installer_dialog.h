#pragma once

// The installer's dialog, which the program shows when started without
// arguments. Each system's front end defines it: Win32 dialogs on Windows,
// Qt Widgets elsewhere. Returns the process exit code.
int runInstallerDialog(int &argc, char **argv);

// Exit codes of the program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // also: no dialog could be shown
inline constexpr int kExitUsage = 2;
