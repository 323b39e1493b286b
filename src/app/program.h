#pragma once
// The program's start and end, shared by main() and the tests that run it as a child process.

class Form;
class QApplication;

// Names the program, registers its windows, shows the start-up window and takes the recovery
// file (asking over the start-up window about one a crashed run left). Returns the start-up window.
Form *startProgram(QApplication &app);
// After the event loop: every window goes; the recovery file stays unless the end was deliberate.
void finishProgram();
