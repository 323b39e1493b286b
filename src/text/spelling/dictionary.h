#pragma once
// One Hunspell dictionary. Hunspell works in the dictionary's own encoding (the SET line of
// its .aff file, often a legacy one such as ISO8859-1); words are converted on the way in
// and out. A word the encoding cannot hold is not in the dictionary.

#include <QString>
#include <QStringList>
#include <memory>

class Hunspell;

namespace Spelling {
class Dictionary {
public:
    // affPath names the .aff file; the .dic file lies beside it. Not usable when either is
    // missing or its encoding is unknown.
    explicit Dictionary(const QString &affPath);
    ~Dictionary();

    bool isUsable() const { return m_hunspell != nullptr; }
    bool isCorrect(const QString &word) const;
    QStringList suggestions(const QString &word, int most) const;

private:
    struct Codec;
    std::unique_ptr<Hunspell> m_hunspell;
    std::unique_ptr<Codec> m_codec;
};

// The dictionary for the desktop's language: LC_MESSAGES, else LANG, when its dictionary is
// installed in one of the folders, else en_US, else none (empty). Gives the .aff path.
QString chooseDictionary(const QString &lcMessages, const QString &lang, const QStringList &folders);
// Where Debian installs the hunspell-* dictionaries.
QStringList systemDictionaryFolders();
} // namespace Spelling
