#pragma once
// Only regular files are read. Opening a named pipe waits until something writes to it, and a
// device can run on for ever, so either would freeze the program.

#include "document/reading/outcome.h"

#include <QString>

class QFile;

// Fails, saying why, when the path is not a regular file ("\"notes\" is a named pipe, not a
// file."); done when it is one or does not exist (opening it then says what is wrong). Opens nothing.
Outcome checkRegularFile(const QString &path);
// Why a file could not be opened or read, in plain words first ("You are not allowed to read
// \"notes.rtf\"."), naming it by its file name.
Outcome unreadableFile(const QFile &file);
