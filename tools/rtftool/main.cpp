// rtftool: reads and writes RTF with the program's own codec, for tests and for
// checking files by hand.
//   rtftool text FILE            plain text, one line per paragraph
//   rtftool html FILE            the document as Qt HTML
//   rtftool from-html FILE.html  RTF of an HTML file on standard output
//   rtftool rewrite IN OUT       reads IN and writes it again to OUT

#include "document/rtf/rtf.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>
#include <functional>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "rtftool: %s\n", qPrintable(message));
    return 1;
}

bool readRtf(const QString &path, QTextDocument &doc, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    const Outcome result = Rtf::read(file, doc);
    if (!result.ok())
        error = path + QStringLiteral(": ") + result.error();
    return result.ok();
}

bool writeStdout(const QByteArray &data)
{
    return std::fwrite(data.constData(), 1, size_t(data.size()), stdout) == size_t(data.size())
        && std::fflush(stdout) == 0;
}

int text(const QStringList &args)
{
    QTextDocument doc;
    QString error;
    if (!readRtf(args.at(0), doc, error))
        return fail(error);
    return writeStdout(doc.toPlainText().toUtf8() + '\n') ? 0 : fail(QStringLiteral("cannot write the output"));
}

int html(const QStringList &args)
{
    QTextDocument doc;
    QString error;
    if (!readRtf(args.at(0), doc, error))
        return fail(error);
    return writeStdout(doc.toHtml().toUtf8()) ? 0 : fail(QStringLiteral("cannot write the output"));
}

int fromHtml(const QStringList &args)
{
    QFile file(args.at(0));
    if (!file.open(QIODevice::ReadOnly))
        return fail(args.at(0) + QStringLiteral(": ") + file.errorString());
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(file.readAll()));
    return writeStdout(Rtf::write(doc)) ? 0 : fail(QStringLiteral("cannot write the output"));
}

int rewrite(const QStringList &args)
{
    QTextDocument doc;
    QString error;
    if (!readRtf(args.at(0), doc, error))
        return fail(error);
    QFile out(args.at(1));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || !Rtf::write(doc, out).ok() || !out.flush())
        return fail(args.at(1) + QStringLiteral(": ") + out.errorString());
    return 0;
}

struct Command
{
    const char *name;
    int argumentCount;
    std::function<int(const QStringList &)> run;
};

const Command kCommands[] = {
    {"text", 1, text}, {"html", 1, html}, {"from-html", 1, fromHtml}, {"rewrite", 2, rewrite}};

} // namespace

// Qt's own warnings (platform plugin set-up) would break the promise of one line of
// error output; only fatal messages get through.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "rtftool: %s\n", qPrintable(message));
}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // no window is shown; fonts need a GUI app
    QGuiApplication app(argc, argv);
    const QStringList all = app.arguments();
    const QString name = all.value(1);
    const QStringList args = all.mid(2);
    for (const Command &command : kCommands) {
        if (name == QLatin1String(command.name) && args.size() == command.argumentCount)
            return command.run(args);
    }
    std::fprintf(stderr, "usage: rtftool text FILE | html FILE | from-html FILE.html | rewrite IN OUT\n");
    return 2;
}
