#include "text/spelling/dictionary.h"

#include "text/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <hunspell.hxx>
#include <optional>

namespace Spelling {
namespace {
QString dicPathOf(const QString &affPath) { return affPath.chopped(4) + QStringLiteral(".dic"); }

// The name after SET in the .aff file; Hunspell's default is ISO8859-1.
QByteArray declaredEncoding(const QString &affPath)
{
    QFile aff(affPath);
    if (!aff.open(QIODevice::ReadOnly))
        return {};
    while (!aff.atEnd()) {
        const QByteArray line = aff.readLine().trimmed();
        if (line.startsWith("SET ") || line.startsWith("SET\t"))
            return line.mid(4).trimmed();
    }
    return QByteArrayLiteral("ISO8859-1");
}

bool isWindows1252(const QByteArray &name)
{
    const QByteArray n = name.toLower();
    return n == "cp1252" || n == "windows-1252" || n == "microsoft-cp1252";
}
} // namespace

struct Dictionary::Codec {
    QByteArray name;
    bool cp1252 = false;

    bool isKnown() const { return cp1252 || QStringEncoder(name.constData()).isValid(); }
    // No value when the word holds a character the encoding lacks.
    std::optional<std::string> encode(const QString &word) const
    {
        if (cp1252) {
            const std::optional<QByteArray> bytes = Windows1252::encode(word);
            return bytes ? std::optional<std::string>(bytes->toStdString()) : std::nullopt;
        }
        QStringEncoder encoder(name.constData(), QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder(word);
        if (encoder.hasError() || QStringDecoder(name.constData())(bytes) != word)
            return std::nullopt;
        return bytes.toStdString();
    }
    QString decode(const std::string &bytes) const
    {
        const QByteArray raw = QByteArray::fromStdString(bytes);
        return cp1252 ? Windows1252::decode(raw) : QString(QStringDecoder(name.constData())(raw));
    }
};

Dictionary::Dictionary(const QString &affPath) : m_codec(std::make_unique<Codec>())
{
    if (!QFileInfo(affPath).isFile() || !QFileInfo(dicPathOf(affPath)).isFile())
        return;
    m_codec->name = declaredEncoding(affPath);
    m_codec->cp1252 = isWindows1252(m_codec->name);
    if (!m_codec->isKnown())
        return;
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(affPath).constData(),
                                            QFile::encodeName(dicPathOf(affPath)).constData());
}

Dictionary::~Dictionary() = default;

bool Dictionary::isCorrect(const QString &word) const
{
    if (!m_hunspell)
        return true;
    const std::optional<std::string> encoded = m_codec->encode(word);
    return encoded && m_hunspell->spell(*encoded);
}

QStringList Dictionary::suggestions(const QString &word, int most) const
{
    QStringList out;
    const std::optional<std::string> encoded = m_hunspell ? m_codec->encode(word) : std::nullopt;
    if (!encoded)
        return out;
    for (const std::string &s : m_hunspell->suggest(*encoded)) {
        if (out.size() >= most)
            break;
        out.append(m_codec->decode(s));
    }
    return out;
}

namespace {
// "de_DE.UTF-8@euro" -> "de_DE"; "C" and "POSIX" name no language.
QString languageOf(const QString &locale)
{
    QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return name == QLatin1String("C") || name == QLatin1String("POSIX") ? QString() : name;
}

QString installed(const QString &language, const QStringList &folders)
{
    if (language.isEmpty())
        return {};
    for (const QString &folder : folders) {
        const QString aff = QDir(folder).filePath(language + QStringLiteral(".aff"));
        if (QFileInfo(aff).isFile() && QFileInfo(dicPathOf(aff)).isFile())
            return aff;
    }
    return {};
}
} // namespace

QString chooseDictionary(const QString &lcMessages, const QString &lang, const QStringList &folders)
{
    const QString desktop = languageOf(!lcMessages.isEmpty() ? lcMessages : lang);
    const QString own = installed(desktop, folders);
    return !own.isEmpty() ? own : installed(QStringLiteral("en_US"), folders);
}

QStringList systemDictionaryFolders()
{
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell/dicts")};
}
} // namespace Spelling
