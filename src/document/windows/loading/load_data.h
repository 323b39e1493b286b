#pragma once
// "Load Previously Saved Data" on the main menu: refills the answer store from a data file.

class QWidget;

// Asks, lets the user choose the file, reads and checks all of it, and only then replaces
// the answers. The windows show the new answers at their next activation.
void LoadData(QWidget *parent);
