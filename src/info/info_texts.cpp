#include "info/info_texts.h"

namespace InfoText {
namespace {
const QString kAuthor = QStringLiteral("Tobias Wrenfield");
const QString kFather = QStringLiteral("Harold Wrenfield");
const QString kCompany = QStringLiteral("Hearthwood Software");

struct Version {
    const char *heading;
    QStringList changes;
};

const QList<Version> &versions()
{
    static const QList<Version> list = {
        {"Version 1.1:", {"- Made text boxes multi-line.", "- Fixed form call from Military Main."}},
        {"Version 2.0:", {"- Added text editing capabilities."}},
        {"Version 2.1:", {"- Fixed text editor resizing problem.", "- Added ability to reload previously saved data."}},
        {"Version 2.1.1:", {"- Made changes to stress need to save to a file."}},
    };
    return list;
}
} // namespace

QString lineBreak() { return QStringLiteral("\n"); }

QString joinLines(const QStringList &lines) { return lines.join(lineBreak()); }

QString joinParagraphs(const QStringList &paragraphs) { return paragraphs.join(lineBreak() + lineBreak()); }

QString authorEmail() { return QStringLiteral("tobias.wrenfield@example.com"); }

QString contactBlock()
{
    return joinLines({kAuthor, kCompany, QStringLiteral("418 Juniper Row"), QStringLiteral("Cedar Hollow, OH 45999"),
                      authorEmail(), QStringLiteral("http://hearthwood.example.org")});
}

QString instructions1()
{
    return QStringLiteral("Kinscribe is the first in a series of four tools for improving family communication and "
                          "recording family members' histories.")
        + QStringLiteral("  ")
        + QStringLiteral("(The other three are Motherscribe, Elderscribe and Siblingscribe.)")
        + QStringLiteral("  ")
        + QStringLiteral("Some questions are supplied, but others may be added in the text editing area.  NOTE:  All "
                         "of the questions, including the ones you haven't answered,")
        + QStringLiteral(" ")
        + QStringLiteral("appear on the text editing page.  This is to remind you in case you accidentally forgot to "
                         "answer one.");
}

QString instructions2()
{
    return QStringLiteral("Take your time answering these questions.  One question a day or one a week might be an "
                          "appropriate goal.  Be as honest and as thorough as possible.  Put yourself in the reader's "
                          "position -- what if YOU were the child and one of your family members was answering the "
                          "questions for you?  If you don't want to answer a certain question, don't.  (Although a "
                          "brief")
        + QStringLiteral(" ")
        + QStringLiteral("explanation as to why you don't want to answer it might be beneficial to the reader.)  Also "
                         "add any questions you wish you were asked but weren't.");
}

QString instructions3()
{
    return joinLines({QStringLiteral("Whether you are the person answering the questions or the one requesting the "
                                     "answers, I would appreciate your feedback about this software application.  "
                                     "Please email me at"),
                      authorEmail() + QStringLiteral(".  Thank you.")});
}

QString shareware1()
{
    return joinParagraphs(
        {QStringLiteral("'Shareware' is a method of software distribution that gives users a chance to try software "
                        "before buying it.  Whoever tries a shareware program and goes on using it after the trial is "
                        "expected to pay the author for it, which is called 'registering' it.  The details differ "
                        "from one program to the next: some authors ask for registration after a set number of days, "
                        "others leave the timing to the user.  Registering brings the right to keep using the "
                        "program and, depending on the author, news of new versions, help by e-mail and the "
                        "author's thanks for supporting the work."),
         QStringLiteral("Copyright applies to shareware just as it does to commercial software, and the author keeps "
                        "every right in it; shareware differs only in the way it is distributed.  The author grants "
                        "everyone the right to copy the software and pass it on to others, although some authors "
                        "ask for written permission")});
}

QString shareware2()
{
    return QStringLiteral("before a commercial disk vendor may copy their software (see 'Distribution' section).");
}

QString warranty1()
{
    return QStringLiteral("Kinscribe is supplied as is.  ") + kAuthor + QStringLiteral(" and ") + kCompany
        + QStringLiteral(" disclaim all warranties related to this software, expressed or implied, including but not "
                         "limited to any implied warranties of merchantability or fitness for a particular purpose.  "
                         "Neither ")
        + kAuthor + QStringLiteral(" nor ") + kCompany
        + QStringLiteral(" will be liable for any special, incidental, consequential, indirect or similar damages "
                         "arising from the use of this software, even if they have been advised of the possibility "
                         "of such damages.  In no event shall ")
        + kAuthor + QStringLiteral("'s or ") + kCompany + QStringLiteral("'s liability for any");
}

QString warranty2() { return QString(); }

QString warranty3() { return QStringLiteral("whole or in part."); }

QString distribution1()
{
    const QString notice = QStringLiteral("Kinscribe is copyright (c) 2000 by ") + kAuthor + QStringLiteral(" and ")
        + kCompany + QStringLiteral(".  All rights reserved.");
    return joinParagraphs({notice, QString(), QString(), QString()});
}

QString distribution2() { return authorEmail() + QStringLiteral(" for more information."); }

QString versionHistory()
{
    QStringList blocks;
    for (const Version &v : versions())
        blocks << joinLines(QStringList{QString::fromLatin1(v.heading)} + v.changes);
    return joinParagraphs(blocks);
}

QString creditsCaption() { return QStringLiteral("Credits"); }

QString dedication() { return joinLines({QStringLiteral("For my father,"), kFather}); }

} // namespace InfoText
