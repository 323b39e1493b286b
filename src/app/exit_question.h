#pragma once
class QWidget;

// Asks "Are you sure you want to exit?..." (Yes/No, exclamation, No default).
// On Yes the program ends at once and true is returned; on No nothing changes.
bool askExitQuestion(QWidget *parent);
