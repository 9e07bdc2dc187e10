#pragma once

// Where the programs find their files, wherever they were started from.
//
// Read-only files (translations, user manuals) and the USB library lie
// beside the program in a build tree and in a Windows folder; once
// installed they lie in the prefix's share/solvane and library folders,
// reached from the program's own folder. Settings files stay in the working
// directory, as they always have, unless the program's folder cannot be
// written (an installed program under /usr): then they go to the user's
// configuration folder (on Windows %APPDATA%\Solvane), so that every user
// keeps settings of their own.

#include <QString>

namespace solvane::paths {

// The folder of the running program, also before an application object
// exists.
QString programFolder();

// `name` beside the program when it is there, else in the installed data
// folder when it is there; the path beside the program when neither holds
// it, so that a failure names where the file was expected.
QString dataFile(const QString &name, const QString &folder = programFolder());

// The USB library to load: the file beside the program, else the one in the
// installed library folder; the bare file name (the platform's own search)
// when neither exists. Windows always takes the bare name, whose search
// starts in the program's folder.
QString usbLibrary(const QString &folder = programFolder());

// Where settings file `name` is read and written: the bare name (the working
// directory) when the program's folder is writable; otherwise the file in
// the user's configuration folder, which is created.
QString settingsFile(const QString &name, const QString &folder = programFolder());

} // namespace solvane::paths
