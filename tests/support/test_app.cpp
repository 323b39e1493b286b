#include "test_app.h"

#include "shell/twips.h"
#include "app/register_forms.h"
#include "document/datafile/known_files.h"
#include "document/recovery/draft_board.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <memory>

TestProgram::TestProgram()
{
    static bool registered = false;
    if (!registered) {
        registerAllForms();
        QApplication::setQuitOnLastWindowClosed(false);
        registered = true;
    }
    Forms::unloadAll();
    resetSharedState();
    KnownFiles::clear();
    DraftBoard::instance().clear();
}

TestProgram::~TestProgram() { Forms::unloadAll(); }

Form *TestProgram::startToMainMenu()
{
    Form *splash = Forms::show(QStringLiteral("frmSplash"));
    if (!splash)
        return nullptr;
    click(QStringLiteral("frmSplash"), QStringLiteral("cmdEnter"));
    return Forms::find(QStringLiteral("frmMain"));
}

void TestProgram::click(const QString &window, const QString &name) const
{
    QWidget *w = child(window, name);
    if (!w) {
        QTest::qFail(qPrintable(QStringLiteral("no control %1 on %2").arg(name, window)), __FILE__, __LINE__);
        return;
    }
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        b->click();
        return;
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
}

QStringList TestProgram::visibleForms()
{
    QStringList names;
    for (const QString &n : Forms::registeredNames()) {
        Form *f = Forms::find(n);
        if (f && f->isVisible())
            names << n;
    }
    return names;
}

void ProgramTest::init()
{
    TempDirTest::init();
    std::construct_at(&program);
}

void ProgramTest::cleanup()
{
    std::destroy_at(&program);
    TempDirTest::cleanup();
}

void ProgramTest::restartProgram()
{
    std::destroy_at(&program);
    std::construct_at(&program);
}

bool isShown(const QString &window, const QString &control)
{
    Form *f = Forms::find(window);
    if (!f || control.isEmpty())
        return f && f->isVisible();
    auto *w = f->findChild<QWidget *>(control);
    return w && w->isVisibleTo(f);
}

QString markOf(const QString &window, const QString &item)
{
    Form *f = Forms::find(window);
    const auto shown = [f](const QString &name) {
        auto *w = f ? f->findChild<QWidget *>(name) : nullptr;
        return w && w->isVisible();
    };
    const bool twin = shown(QStringLiteral("cmd%1%2").arg(item, QStringLiteral("2"))), marker = shown(QStringLiteral("cmd") + item);
    return twin == marker ? QString::fromLatin1(twin ? "both" : "neither") : QString::fromLatin1(twin ? "marked" : "unmarked");
}

QString exitQuestionFault(const TestProgram &program, const QString &parent)
{
    const QList<DialogCall> asked = program.dialogs.messages();
    if (asked.size() == 1 && isExitQuestion(asked.first()) && asked.first().parentName == parent)
        return {};
    QStringList seen;
    for (const DialogCall &c : asked)
        seen << QStringLiteral("\"%1\" over %2").arg(c.text, c.parentName);
    return QStringLiteral("asked %1").arg(seen.isEmpty() ? QStringLiteral("nothing") : seen.join(QStringLiteral(", ")));
}

QString placementFault(const QWidget *w, const QRect &t)
{
    const QRect want = twipsRect(t.x(), t.y(), t.width(), t.height());
    const auto *label = qobject_cast<const QLabel *>(w);
    const bool fits = label && !label->wordWrap()
        ? w->pos() == want.topLeft() && w->height() == want.height() && w->width() >= qMax(want.width(), w->sizeHint().width())
        : w->geometry() == want;
    return fits ? QString() : QStringLiteral("%1 at %2,%3 %4x%5").arg(w->objectName()).arg(w->x()).arg(w->y())
                                  .arg(w->width()).arg(w->height());
}
