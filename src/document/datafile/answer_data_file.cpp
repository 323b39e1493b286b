#include "document/datafile/answer_data_file.h"

#include "text/windows1252.h"
#include "document/reading/regular_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace AnswerDataFile {
namespace {
const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// The answer exactly as held (lone CR or LF, tabs and control characters too); only a double
// quote is doubled, so the field stays closed and reads back the same. Copied a run at a time:
// this runs after every change, over answers that can be long.
void appendQuoted(QString &line, QStringView answer)
{
    line += QLatin1Char('"');
    qsizetype from = 0;
    for (qsizetype at; (at = answer.indexOf(QLatin1Char('"'), from)) >= 0; from = at + 1) {
        line += answer.sliced(from, at + 1 - from);
        line += QLatin1Char('"');
    }
    line += answer.sliced(from);
    line += QLatin1Char('"');
}

bool isFieldEnd(QChar c) { return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// Text never holds these between fields: there they mean a binary file or a wrong encoding.
bool isStray(QChar c)
{
    return c.category() == QChar::Other_Control && c != QLatin1Char('\t') && !isLineEnd(c);
}

QString tr(const char *text) { return QCoreApplication::translate("AnswerDataFile", text); }

// How a refusal names the file: its name in quotes, or "The file" when there is none.
QString subjectFor(const QString &name)
{
    return name.isEmpty() ? tr("The file") : QStringLiteral("\"%1\"").arg(name);
}
QString notAnswerFile(const QString &subject, const QString &detail)
{
    return tr("%1 is not a Kinscribe answer file.").arg(subject) + QLatin1Char(' ') + detail;
}

ReadResult refused(const Outcome &why)
{
    ReadResult result;
    static_cast<Outcome &>(result) = why;
    return result;
}
ReadResult refused(const QString &why) { return refused(Outcome::failed(why)); }

// Reads the fields of one record from a decoded text.
class RecordReader {
public:
    RecordReader(const QString &text, const QString &subject) : m_text(text), m_subject(subject) {}

    ReadResult readAll()
    {
        Answers answers;
        for (int field = 0; field < kQuestionCount; ++field) {
            if (m_pos >= m_text.size())
                return refused(tooShort(field));
            std::optional<QString> text = readField();
            if (m_unclosed)
                return refused(unclosed(field + 1));
            if (!m_error.isEmpty())
                return refused(m_error);
            if (text && (text->size() > 0 || m_quoted))
                answers[field] = std::move(text);
            skipSeparator();
        }
        const int extra = extraFields();
        if (!m_error.isEmpty())
            return refused(m_error);
        return {{}, std::move(answers), extra > 0 ? ignoredFields(extra) : QString()};
    }

private:
    QString tooShort(int fields) const
    {
        return tr("%1 does not look like a Kinscribe answer file: it holds %2 %3, an answer file holds %4.")
            .arg(m_subject)
            .arg(fields)
            .arg(fields == 1 ? tr("field") : tr("fields"))
            .arg(kQuestionCount);
    }
    QString unclosed(int field) const
    {
        return tr("%1 is cut short. It ends inside answer %2, whose closing double quote is missing.").arg(m_subject).arg(field);
    }
    static QString ignoredFields(int extra)
    {
        return tr("The file holds %1 fields, more than an answer data file: the first %2 were read as the answers "
                  "and the other %3 were ignored.")
            .arg(kQuestionCount + extra)
            .arg(kQuestionCount)
            .arg(extra);
    }

    // One field at m_pos: quoted text, or plain text up to the next comma or line end. No value
    // when the quote is never closed (m_unclosed) or the file cannot be an answer data file (m_error).
    std::optional<QString> readField()
    {
        m_quoted = m_text[m_pos] == QLatin1Char('"');
        if (!m_quoted) {
            const qsizetype start = m_pos;
            if (!skipToFieldEnd())
                return std::nullopt;
            return m_text.mid(start, m_pos - start);
        }
        std::optional<QString> text = quoted();
        if (!text) {
            m_unclosed = true;
            return std::nullopt;
        }
        if (!skipToFieldEnd())
            return std::nullopt;
        return text;
    }

    // From the opening quote to the first quote that is not doubled.
    std::optional<QString> quoted()
    {
        QString text;
        ++m_pos;
        for (;;) {
            const qsizetype close = m_text.indexOf(QLatin1Char('"'), m_pos);
            if (close < 0)
                return std::nullopt;
            text += QStringView(m_text).mid(m_pos, close - m_pos);
            m_pos = close + 1;
            if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('"')) {
                text += QLatin1Char('"');
                ++m_pos;
                continue;
            }
            return text;
        }
    }

    // On to the next comma or line end; false at a character no text file holds there.
    bool skipToFieldEnd()
    {
        for (; m_pos < m_text.size() && !isFieldEnd(m_text[m_pos]); ++m_pos) {
            if (isStray(m_text[m_pos])) {
                m_error = notAnswerFile(m_subject, tr("It holds binary data (character code %1 outside any answer).")
                                                       .arg(m_text[m_pos].unicode()));
                return false;
            }
        }
        return true;
    }

    // One comma, or one line end (CR LF, LF or CR).
    void skipSeparator()
    {
        m_afterComma = false;
        if (m_pos >= m_text.size())
            return;
        const QChar c = m_text[m_pos++];
        m_afterComma = c == QLatin1Char(',');
        if (c == QLatin1Char('\r') && m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\n'))
            ++m_pos;
    }

    // The fields after the 77th, read by the same rules; empty lines count for nothing.
    int extraFields()
    {
        int count = 0;
        for (;;) {
            if (!m_afterComma) {
                while (m_pos < m_text.size() && isLineEnd(m_text[m_pos]))
                    ++m_pos;
                if (m_pos >= m_text.size())
                    return count;
            }
            readField();
            if (m_unclosed) // the rest of the file is one unclosed field, ignored like the others
                return count + 1;
            if (!m_error.isEmpty())
                return count;
            ++count;
            skipSeparator();
        }
    }

    const QString &m_text;
    const QString m_subject;
    qsizetype m_pos = 0;
    QString m_error;
    bool m_quoted = false;
    bool m_unclosed = false;
    bool m_afterComma = false;
};

struct Mark {
    QByteArrayView bytes;
    QStringConverter::Encoding encoding;
    const char *name;
};

// The text of the file: Unicode behind a byte order mark, otherwise Windows-1252.
std::optional<QString> decoded(QByteArrayView bytes, const QString &subject, QString &error)
{
    static const Mark marks[] = {
        {QByteArrayView("\xFF\xFE\0\0", 4), QStringConverter::Utf32LE, "UTF-32"},
        {QByteArrayView("\0\0\xFE\xFF", 4), QStringConverter::Utf32BE, "UTF-32"},
        {QByteArrayView("\xEF\xBB\xBF", 3), QStringConverter::Utf8, "UTF-8"},
        {QByteArrayView("\xFF\xFE", 2), QStringConverter::Utf16LE, "UTF-16"},
        {QByteArrayView("\xFE\xFF", 2), QStringConverter::Utf16BE, "UTF-16"},
    };
    for (const Mark &mark : marks) {
        if (!bytes.startsWith(mark.bytes))
            continue;
        QStringDecoder decoder(mark.encoding, QStringDecoder::Flag::Stateless);
        const QByteArrayView body = bytes.sliced(mark.bytes.size());
        const qsizetype unit = mark.encoding == QStringConverter::Utf8 ? 1 : mark.bytes.size() == 4 ? 4 : 2;
        QString text = decoder(body);
        if (decoder.hasError() || body.size() % unit != 0 || !text.isValidUtf16()) {
            error = notAnswerFile(subject, tr("It begins with the mark of %1 text, but what follows is not valid %1.")
                                               .arg(QLatin1String(mark.name)));
            return std::nullopt;
        }
        return text;
    }
    return Windows1252::decode(bytes);
}

QString tooLarge(const QString &subject)
{
    return notAnswerFile(subject, tr("It is larger than %1 MiB, far larger than any answer file.").arg(kMaxFileSize / (1024 * 1024)));
}
} // namespace

Outcome checkSize(QByteArrayView file)
{
    if (file.size() <= kMaxFileSize)
        return {};
    return Outcome::failed(QCoreApplication::translate("AnswerDataFile",
                                       "The answers come to %1 MiB, more than the %2 MiB an answer data file may hold "
                                       "to be loaded again. Shorten the longest answers, then save again.")
        .arg(double(file.size()) / (1024 * 1024), 0, 'f', 1)
        .arg(kMaxFileSize / (1024 * 1024)));
}

QByteArray write(const Answers &answers)
{
    qsizetype size = 2 + qsizetype(answers.size()) * 3;
    for (const std::optional<QString> &answer : answers)
        size += answer ? answer->size() : 0;
    QString line;
    line.reserve(size);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        if (answers[i])
            appendQuoted(line, *answers[i]);
    }
    line += QLatin1String("\r\n");
    if (std::optional<QByteArray> ansi = Windows1252::encode(line))
        return *ansi;
    return kUtf8Bom + line.toUtf8();
}

ReadResult read(QByteArrayView bytes, const QString &name)
{
    const QString subject = subjectFor(name);
    if (bytes.size() > kMaxFileSize)
        return refused(tooLarge(subject));
    QString error;
    const std::optional<QString> text = decoded(bytes, subject, error);
    if (!text)
        return refused(error);
    if (QStringView(*text).trimmed().isEmpty())
        return refused(tr("%1 is empty.").arg(subject));
    return RecordReader(*text, subject).readAll();
}

ReadResult readFile(const QString &path)
{
    if (const Outcome regular = checkRegularFile(path); !regular.ok())
        return refused(regular);
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(unreadableFile(file));
    if (file.size() > kMaxFileSize)
        return refused(tooLarge(subjectFor(name)));
    // Read one byte more than allowed: a file without a size (a device, a pipe) ends there too.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(unreadableFile(file));
    return read(bytes, name);
}

QString pathFor(const QString &documentPath)
{
    const QLatin1String rtf(".rtf");
    if (documentPath.endsWith(rtf, Qt::CaseInsensitive))
        return documentPath.chopped(rtf.size()) + QLatin1String(".dat");
    return documentPath + QLatin1String(".dat");
}
} // namespace AnswerDataFile
