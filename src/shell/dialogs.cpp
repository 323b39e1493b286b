#include "shell/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHash>
#include <QFontDialog>
#include <QCloseEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

namespace {
Dialogs *g_replacement = nullptr;

QList<QMessageBox::StandardButton> buttonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNoCancel: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MessageButtons::YesNo: return {QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::Ok: break;
    }
    return {QMessageBox::Ok};
}

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// A box without Cancel (Yes/No) must be answered: Esc and the close button do nothing,
// where QMessageBox would take them for No.
class MustAnswer : public QObject {
public:
    explicit MustAnswer(QMessageBox *box) : QObject(box), m_box(box) { box->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_box)
            return false;
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel))
            return true;
        if (event->type() == QEvent::Close && !m_box->clickedButton()) {
            event->ignore();
            return true;
        }
        return false;
    }

private:
    QMessageBox *m_box;
};

MessageAnswer answerOf(QMessageBox::StandardButton b)
{
    switch (b) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
    }
}
} // namespace

Dialogs &Dialogs::get()
{
    static QtDialogs real;
    return g_replacement ? *g_replacement : real;
}

void Dialogs::set(Dialogs *replacement) { g_replacement = replacement; }

std::unique_ptr<WorkProgress> Dialogs::progress(QWidget *, const QString &, const QString &)
{
    struct GoOn : WorkProgress {
        bool advance(qint64, qint64) override { return true; }
    };
    return std::make_unique<GoOn>();
}

QString qtFileFilter(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString &label = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (label.contains(QLatin1Char('(')) ? label : label + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

MessageAnswer QtDialogs::message(QWidget *parent, const QString &text, const MessageRequest &request,
                                const QString &title)
{
    QMessageBox box(iconOf(request.icon), title, text, QMessageBox::NoButton, parent);
    const auto buttons = buttonsOf(request.buttons);
    for (auto b : buttons)
        box.addButton(b);
    const int defaultIndex = int(request.defaultButton); // First, Second, Third
    box.setDefaultButton(buttons.value(qMin(defaultIndex, int(buttons.size()) - 1)));
    if (buttons.contains(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.contains(QMessageBox::No))
        new MustAnswer(&box);
    box.exec();
    auto *clicked = box.clickedButton();
    return clicked ? answerOf(box.standardButton(clicked)) : MessageAnswer::Cancel;
}

std::optional<QString> QtDialogs::input(QWidget *parent, const QString &prompt, const QString &title,
                                        const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

// "*.*" means every file, as it does on Windows, names without a dot included; Qt's own
// reading of it wants a dot. The label keeps "(*.*)"; the list under it is widened.
static void widenStarDotStar(QFileDialog &dlg)
{
    auto *model = dlg.findChild<QFileSystemModel *>();
    if (!model)
        return;
    const auto widen = [model](const QString &filter) {
        const qsizetype open = filter.lastIndexOf(QLatin1Char('(')), close = filter.lastIndexOf(QLatin1Char(')'));
        if (open < 0 || close < open)
            return;
        QStringList patterns = filter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!patterns.contains(QStringLiteral("*.*")))
            return;
        for (QString &pattern : patterns) {
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        model->setNameFilters(patterns);
    };
    // Sent after the dialog has set the chosen filter's own patterns.
    QObject::connect(&dlg, &QFileDialog::filterSelected, model, widen);
    widen(dlg.selectedNameFilter());
}

// The folder each kind of file dialog last ended in, for this run only. A kind is told by what
// the dialog does and what it lists: Save As, Open and Load each keep their own.
static QString &lastFolder(const FileDialogRequest &r, QFileDialog::AcceptMode mode)
{
    static QHash<QString, QString> folders;
    return folders[QString::number(int(mode)) + QLatin1Char('|') + r.filter];
}

static std::optional<QString> runFileDialog(QWidget *parent, const FileDialogRequest &r, QFileDialog::AcceptMode mode)
{
    QFileDialog dlg(parent, r.title);
    dlg.setAcceptMode(mode);
    dlg.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setNameFilter(qtFileFilter(r.filter));
    if (!r.defaultSuffix.isEmpty())
        dlg.setDefaultSuffix(r.defaultSuffix);
    if (!r.overwritePrompt)
        dlg.setOption(QFileDialog::DontConfirmOverwrite);
    if (!r.sidePanelFolders.isEmpty()) {
        QList<QUrl> places = dlg.sidebarUrls();
        for (const QString &place : r.sidePanelFolders)
            places.append(QUrl::fromLocalFile(place));
        dlg.setSidebarUrls(places);
    }
    // Qt would start where any file dialog last ended; each kind starts where it last ended,
    // the working folder until then.
    QString &folder = lastFolder(r, mode);
    dlg.setDirectory(folder.isEmpty() ? QDir::currentPath() : folder);
    if (!r.fileName.isEmpty())
        dlg.selectFile(r.fileName);
    widenStarDotStar(dlg);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dlg.selectedFiles().constFirst();
    folder = QFileInfo(chosen).absolutePath();
    return chosen;
}

std::optional<QString> QtDialogs::openFile(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFile(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QFont> QtDialogs::font(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    // Scalable fonts only, so any size the user types can be drawn and printed.
    const QFont f = QFontDialog::getFont(&ok, initial, parent, QString(), QFontDialog::ScalableFonts);
    return ok ? std::optional<QFont>(f) : std::nullopt;
}

std::optional<QColor> QtDialogs::color(QWidget *parent, const QColor &initial)
{
    const QColor c = QColorDialog::getColor(initial, parent);
    return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
}

bool QtDialogs::setupPrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dlg(&printer, parent);
    return dlg.exec() == QDialog::Accepted;
}

void QtDialogs::endProgram()
{
    // exit() rather than quit(): quit() would close every window and run its close handling.
    QCoreApplication::exit(0);
}
