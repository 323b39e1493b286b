#include "scripted_dialogs.h"

#include <QPrinter>
#include <algorithm>
#include <QWidget>

static const char *kindName(DialogCall::Kind k)
{
    static const char *names[] = {"message", "input", "open", "save", "font", "color", "print", "end", "preview"};
    return names[k];
}

ScriptedDialogs::ScriptedDialogs() { Dialogs::set(this); }
ScriptedDialogs::~ScriptedDialogs() { Dialogs::set(nullptr); }

ScriptedDialogs &ScriptedDialogs::answer(MessageAnswer button)
{
    m_replies.push_back({DialogCall::Message, button, {}, {}, {}});
    return *this;
}
ScriptedDialogs &ScriptedDialogs::answerText(std::optional<QString> text)
{
    m_replies.push_back({DialogCall::Input, {}, std::move(text), {}, {}});
    return *this;
}
ScriptedDialogs &ScriptedDialogs::answerFile(std::optional<QString> path)
{
    // Open and save replies are interchangeable; the call records which dialog it was.
    m_replies.push_back({DialogCall::OpenFile, {}, std::move(path), {}, {}});
    return *this;
}
ScriptedDialogs &ScriptedDialogs::answerFont(std::optional<QFont> font)
{
    m_replies.push_back({DialogCall::Font, {}, {}, std::move(font), {}});
    return *this;
}
ScriptedDialogs &ScriptedDialogs::answerColor(std::optional<QColor> color)
{
    m_replies.push_back({DialogCall::Color, {}, {}, {}, std::move(color)});
    return *this;
}
ScriptedDialogs &ScriptedDialogs::answerPreviewToPdf(std::optional<QString> pdfPath)
{
    m_replies.push_back({DialogCall::Preview, {}, std::move(pdfPath), {}, {}});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::answerPrintToPdf(std::optional<QString> pdfPath)
{
    m_replies.push_back({DialogCall::Print, {}, std::move(pdfPath), {}, {}});
    return *this;
}

QList<DialogCall> ScriptedDialogs::messages(qsizetype from) const
{
    QList<DialogCall> out;
    for (qsizetype i = from; i < calls.size(); ++i)
        if (calls[i].kind == DialogCall::Message)
            out << calls[i];
    return out;
}

int ScriptedDialogs::count(DialogCall::Kind kind) const
{
    return int(std::count_if(calls.begin(), calls.end(), [kind](const DialogCall &c) { return c.kind == kind; }));
}

std::optional<ScriptedDialogs::Reply> ScriptedDialogs::take(DialogCall::Kind kind, DialogCall call)
{
    call.kind = kind;
    calls << call;
    if (onCall)
        onCall(call);
    const DialogCall::Kind want = kind == DialogCall::SaveFile ? DialogCall::OpenFile : kind;
    if (m_replies.empty() || m_replies.front().kind != want) {
        unexpected << QStringLiteral("%1: %2 %3").arg(QLatin1String(kindName(kind)), call.title, call.text);
        return std::nullopt;
    }
    Reply r = m_replies.front();
    m_replies.pop_front();
    return r;
}

static QString parentNameOf(QWidget *w) { return w ? w->window()->objectName() : QString(); }

MessageAnswer ScriptedDialogs::message(QWidget *parent, const QString &text, const MessageRequest &request,
                                       const QString &title)
{
    auto r = take(DialogCall::Message, {DialogCall::Message, title, text, request, {}, {}, {}, parentNameOf(parent)});
    return r ? r->button : MessageAnswer::Cancel;
}

std::optional<QString> ScriptedDialogs::input(QWidget *parent, const QString &prompt, const QString &title, const QString &initial)
{
    auto r = take(DialogCall::Input, {DialogCall::Input, title, prompt, {}, {}, {}, {}, parentNameOf(parent), initial});
    return r ? r->text : std::nullopt;
}

std::optional<QString> ScriptedDialogs::openFile(QWidget *parent, const FileDialogRequest &request)
{
    auto r = take(DialogCall::OpenFile, {DialogCall::OpenFile, request.title, {}, {}, request, {}, {}, parentNameOf(parent)});
    return r ? r->text : std::nullopt;
}

std::optional<QString> ScriptedDialogs::saveFile(QWidget *parent, const FileDialogRequest &request)
{
    auto r = take(DialogCall::SaveFile, {DialogCall::SaveFile, request.title, {}, {}, request, {}, {}, parentNameOf(parent)});
    return r ? r->text : std::nullopt;
}

std::optional<QFont> ScriptedDialogs::font(QWidget *parent, const QFont &initial)
{
    auto r = take(DialogCall::Font, {DialogCall::Font, {}, {}, {}, {}, initial, {}, parentNameOf(parent)});
    return r ? r->font : std::nullopt;
}

std::optional<QColor> ScriptedDialogs::color(QWidget *parent, const QColor &initial)
{
    auto r = take(DialogCall::Color, {DialogCall::Color, {}, {}, {}, {}, {}, initial, parentNameOf(parent)});
    return r ? r->color : std::nullopt;
}

bool ScriptedDialogs::setupPrinter(QWidget *parent, QPrinter &printer)
{
    auto r = take(DialogCall::Print, {DialogCall::Print, {}, {}, {}, {}, {}, {}, parentNameOf(parent)});
    if (!r || !r->text)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*r->text);
    return true;
}

void ScriptedDialogs::printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    auto r = take(DialogCall::Preview, {DialogCall::Preview, {}, {}, {}, {}, {}, {}, parentNameOf(parent)});
    if (!r || !r->text)
        return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*r->text);
    paint(printer);
}

void ScriptedDialogs::endProgram()
{
    calls << DialogCall{DialogCall::End, {}, {}, {}, {}, {}, {}, {}};
    ++endCount;
}

std::unique_ptr<WorkProgress> ScriptedDialogs::progress(QWidget *, const QString &text, const QString &)
{
    struct Scripted : WorkProgress {
        explicit Scripted(ScriptedDialogs &d) : dialogs(d) {}
        bool advance(qint64, qint64) override
        {
            cancelled = cancelled || ++dialogs.progressAdvances == dialogs.cancelProgressAt;
            return !cancelled;
        }
        ScriptedDialogs &dialogs;
        bool cancelled = false;
    };
    progressTexts << text;
    return std::make_unique<Scripted>(*this);
}

bool isExitQuestion(const DialogCall &call)
{
    return call.kind == DialogCall::Message && call.title == QLatin1String("Kinscribe")
        && call.text == QLatin1String("Are you sure you want to exit?  Any information not saved TO A FILE will be lost.")
        && call.request == MessageRequest{MessageIcon::Exclamation, MessageButtons::YesNo, DefaultButton::Second};
}

char *toString(const MessageRequest &request)
{
    static const char *icons[] = {"no icon", "question", "exclamation", "information"};
    static const char *buttons[] = {"OK", "Yes/No", "Yes/No/Cancel"};
    static const char *defaults[] = {"first", "second", "third"};
    return qstrdup(QByteArray(buttons[int(request.buttons)]) + ", " + icons[int(request.icon)] + ", "
                   + defaults[int(request.defaultButton)] + " button default");
}
