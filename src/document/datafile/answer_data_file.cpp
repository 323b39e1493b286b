#include "document/datafile/answer_data_file.h"

#include "document/datafile/windows1252.h"

#include <QCoreApplication>
#include <QFile>

namespace AnswerDataFile {
namespace {
const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// The answer exactly as held (lone CR or LF, tabs and control characters too); only a double
// quote is doubled, so the field stays closed and reads back the same.
QString quotedField(const QString &answer)
{
    QString field;
    field.reserve(answer.size() + 2);
    field += QLatin1Char('"');
    for (const QChar c : answer) {
        field += c;
        if (c == QLatin1Char('"'))
            field += c;
    }
    field += QLatin1Char('"');
    return field;
}

bool isFieldEnd(QChar c) { return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// Reads the fields of one record from a decoded text.
class RecordReader {
public:
    explicit RecordReader(const QString &text) : m_text(text) {}

    ReadResult readAll()
    {
        Answers answers;
        for (int field = 0; field < kQuestionCount; ++field) {
            if (m_pos >= m_text.size())
                return failure(tooShort(field));
            if (m_text[m_pos] == QLatin1Char('"')) {
                std::optional<QString> text = quoted();
                if (!text)
                    return failure(unclosed(field + 1));
                answers[field] = std::move(text);
            } else {
                QString text = unquoted();
                if (!text.isEmpty())
                    answers[field] = std::move(text);
            }
            skipSeparator();
        }
        return {std::move(answers), {}};
    }

private:
    static ReadResult failure(const QString &why) { return {std::nullopt, why}; }

    static QString tooShort(int fields)
    {
        return QCoreApplication::translate("AnswerDataFile", "It holds %1 of the %2 answers of an answer data file.")
            .arg(fields)
            .arg(kQuestionCount);
    }
    static QString unclosed(int field)
    {
        return QCoreApplication::translate("AnswerDataFile", "The file ends inside answer %1, whose closing double quote is missing.")
            .arg(field);
    }

    // From the opening quote to the first quote that is not doubled, then on to the separator.
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
            break;
        }
        while (m_pos < m_text.size() && !isFieldEnd(m_text[m_pos]))
            ++m_pos;
        return text;
    }

    QString unquoted()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && !isFieldEnd(m_text[m_pos]))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    // One comma, or one line end (CR LF, LF or CR).
    void skipSeparator()
    {
        if (m_pos >= m_text.size())
            return;
        const QChar c = m_text[m_pos++];
        if (c == QLatin1Char('\r') && m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\n'))
            ++m_pos;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

QString tooLarge()
{
    return QCoreApplication::translate("AnswerDataFile", "It is larger than %1 MiB, far larger than any answer data file.")
        .arg(kMaxFileSize / (1024 * 1024));
}
} // namespace

QString writeError(QByteArrayView file)
{
    if (file.size() <= kMaxFileSize)
        return {};
    return QCoreApplication::translate("AnswerDataFile",
                                       "The answers come to %1 MiB, more than the %2 MiB an answer data file may hold "
                                       "to be loaded again. Shorten the longest answers, then save again.")
        .arg(double(file.size()) / (1024 * 1024), 0, 'f', 1)
        .arg(kMaxFileSize / (1024 * 1024));
}

QByteArray write(const Answers &answers)
{
    QString line;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        if (answers[i])
            line += quotedField(*answers[i]);
    }
    line += QLatin1String("\r\n");
    if (std::optional<QByteArray> ansi = Windows1252::encode(line))
        return *ansi;
    return kUtf8Bom + line.toUtf8();
}

ReadResult read(QByteArrayView bytes)
{
    if (bytes.size() > kMaxFileSize)
        return {std::nullopt, tooLarge()};
    const QString text = bytes.startsWith(kUtf8Bom) ? QString::fromUtf8(bytes.sliced(kUtf8Bom.size()))
                                                    : Windows1252::decode(bytes);
    return RecordReader(text).readAll();
}

ReadResult readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    if (file.size() > kMaxFileSize)
        return {std::nullopt, tooLarge()};
    // Read one byte more than allowed: a file without a size (a device, a pipe) ends there too.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    return read(bytes);
}

QString pathFor(const QString &documentPath)
{
    const QLatin1String rtf(".rtf");
    if (documentPath.endsWith(rtf, Qt::CaseInsensitive))
        return documentPath.chopped(rtf.size()) + QLatin1String(".dat");
    return documentPath + QLatin1String(".dat");
}
} // namespace AnswerDataFile
