#pragma once
class QWidget;

// Asks "Are you sure you want to exit?..." (Yes/No, exclamation, No default).
// On Yes the program ends at once and true is returned; on No nothing changes.
bool askExitQuestion(QWidget *parent);

// Ends the program at once because the user chose to: the recovery file goes with it.
void endProgramDeliberately();
