#pragma once
#include "shell/form.h"

// frmSplash: the title card the program opens with. Its load creates the main menu and
// the instructions and about windows, hidden, before it is ever seen.
class Splash : public Form {
    Q_OBJECT
public:
    explicit Splash(QWidget *parent = nullptr);
    void formLoad() override;
    // No exit question here: closing the title card ends the program as "E&xit" does.
    bool formQueryClose() override;
};
