#include "document/windows/note/note_window.h"
#include "shell/window_names.h"

#include "shell/look.h"
#include "shell/twips.h"
#include "questionnaire/answer_store.h"

#include <QLabel>

namespace {
const QString kEditor = QLatin1String(WindowName::Editor);

struct NoteLabel {
    const char *name;
    const char *text;     // shown from creation
    const char *activate; // set on every activation instead
    int left, top, width, height;
    bool darkRedText;     // else dark blue
    bool wrap;
};

const NoteLabel kLabels[] = {
    {"Label1", "NOTE:", nullptr, 120, 240, 585, 240, true, false},
    {"lblNote", "",
     "When you save to a file, TWO files with the same name are actually created:  The main file, with a '.rtf' "
     "extension, and a data file, with a '.dat' extension.  These are saved in the same folder.  The '.dat' file is "
     "used to reload your information into the text boxes if you quit, restart the program and click on 'Load "
     "Previously Saved Data' on the Main page.",
     120, 600, 5535, 1695, false, true},
    {"Label2", "Don't delete either file if needed for future use!", nullptr, 120, 2400, 5655, 255, true, false},
    {"Label3", "",
     "Changes to answers MUST be made in the individual text boxes in order to reload the correct information later!",
     120, 2760, 5535, 735, false, true},
};

QLabel *makeLabel(QWidget *parent, const NoteLabel &row)
{
    auto *label = new QLabel(QString::fromLatin1(row.text), parent);
    label->setObjectName(QString::fromLatin1(row.name));
    label->setTextFormat(Qt::PlainText);
    styleLabel(label, row.darkRedText ? darkRed() : navy());
    label->setWordWrap(row.wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    if (!row.wrap)
        widenToText(label);
    return label;
}
} // namespace

NoteWindow::NoteWindow(QWidget *parent) : Form(QLatin1String(WindowName::Note), parent)
{
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setClientSizeTwips(5790, 4080);
    for (const NoteLabel &row : kLabels)
        makeLabel(this, row);
    QPushButton *ok = makePushButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(2280, 3480, 1335, 495));
    connect(ok, &QPushButton::clicked, this, &NoteWindow::cmdOK_Click);
}

void NoteWindow::formLoad() { centreOnScreen(); }

void NoteWindow::formActivate()
{
    for (const NoteLabel &row : kLabels) {
        if (row.activate)
            findChild<QLabel *>(QString::fromLatin1(row.name))->setText(QString::fromLatin1(row.activate));
    }
    shared().saveRequest = SaveRequest::No;
    findChild<QPushButton *>(QStringLiteral("cmdOK"))->setFocus();
}

bool NoteWindow::formQueryClose()
{
    emit closedWithoutOk();
    return true;
}

void NoteWindow::cmdOK_Click()
{
    shared().saveRequest = SaveRequest::Yes;
    Forms::navigate(this, kEditor);
}

void registerNoteForm()
{
    Forms::registerForm(QLatin1String(WindowName::Note), [] { return new NoteWindow; });
}
