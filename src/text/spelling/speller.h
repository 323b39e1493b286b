#pragma once
// The program's one spelling checker: the desktop's dictionary, what each word was found to
// be (kept for the run, so each word costs the dictionary once), and the words the user chose
// to ignore in this run. Nothing is stored between runs.

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <memory>

namespace Spelling {
class Dictionary;

class Speller : public QObject {
    Q_OBJECT
public:
    static Speller &instance();

    // False when no dictionary is installed: nothing is marked.
    bool isActive() const;
    bool isMisspelt(const QString &word);
    QStringList suggestions(const QString &word, int most = 5) const;
    // "Ignore All": the word counts as right everywhere until the program ends.
    void ignoreAll(const QString &word);

    // Puts another dictionary in place (an empty path: none); for tests.
    void useDictionary(const QString &affPath);

signals:
    // Words changed their verdict: every marked text checks its words again.
    void verdictsChanged();

private:
    Speller();
    ~Speller() override;

    std::unique_ptr<Dictionary> m_dictionary;
    QHash<QString, bool> m_misspelt;
    QSet<QString> m_ignored;
};
} // namespace Spelling
