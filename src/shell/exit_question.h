#pragma once
#include <QObject>

class QWidget;

// Asks "Are you sure you want to exit?..." (Yes/No, exclamation, No default).
// On Yes the program ends at once and true is returned; on No nothing changes.
bool askExitQuestion(QWidget *parent);

// Ends the program at once because the user chose to; `warned` when the exit question told
// that what is not in a file is lost.
void endProgramDeliberately(bool warned = false);

// Heard just before every deliberate end, by what keeps the answers only for an end that was
// not the user's choice (the recovery file).
class DeliberateEnd : public QObject {
    Q_OBJECT
public:
    static DeliberateEnd &notifier();
signals:
    void ending(bool warned);
};
