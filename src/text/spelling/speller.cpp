#include "text/spelling/speller.h"

#include "text/spelling/dictionary.h"

namespace Spelling {
Speller &Speller::instance()
{
    static Speller speller;
    return speller;
}

Speller::Speller()
{
    useDictionary(chooseDictionary(qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"),
                                   systemDictionaryFolders()));
}

Speller::~Speller() = default;

bool Speller::isActive() const { return m_dictionary && m_dictionary->isUsable(); }

bool Speller::isMisspelt(const QString &word)
{
    if (!isActive() || m_ignored.contains(word))
        return false;
    const auto known = m_misspelt.constFind(word);
    if (known != m_misspelt.constEnd())
        return *known;
    const bool wrong = !m_dictionary->isCorrect(word);
    m_misspelt.insert(word, wrong);
    return wrong;
}

QStringList Speller::suggestions(const QString &word, int most) const
{
    return isActive() ? m_dictionary->suggestions(word, most) : QStringList();
}

void Speller::ignoreAll(const QString &word)
{
    m_ignored.insert(word);
    emit verdictsChanged();
}

void Speller::useDictionary(const QString &affPath)
{
    m_dictionary = affPath.isEmpty() ? nullptr : std::make_unique<Dictionary>(affPath);
    m_misspelt.clear();
    m_ignored.clear();
    emit verdictsChanged();
}
} // namespace Spelling
