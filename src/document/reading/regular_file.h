#pragma once
// Only regular files are read. Opening a named pipe waits until something writes to it, and a
// device can run on for ever, so either would freeze the program.

#include "document/reading/outcome.h"

// Fails, saying why, when the path is not a regular file ("It is a named pipe, not a file.");
// done when it is one or does not exist (opening it then says what is wrong). Opens nothing.
Outcome checkRegularFile(const QString &path);
