#pragma once
// Where the windows post what they hold and no file holds yet: the editor's changed document
// and the pages' unsaved typing. The recovery session listens and copies it to the recovery
// file; after a crash it hands the kept drafts back here, for each window to take when it is
// next shown.

#include "document/datafile/answer_data_file.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTextDocument>
#include <functional>
#include <optional>

class DraftBoard : public QObject {
    Q_OBJECT
public:
    static DraftBoard &instance();

    // A page's unsaved typing, read when the session writes: question number -> box text.
    using PageTyping = std::function<QMap<int, QString>()>;
    // The page has typing not in the store (or no longer, when `typing` is empty).
    void postPage(const QString &page, PageTyping typing);
    // Every page's typing, kept drafts not yet taken included, as the data file's 77 fields.
    AnswerDataFile::Answers typing() const;
    bool hasTyping() const;

    // The editor's document has changes no file holds; nullptr when it has none (saved,
    // freshly composed or opened, or gone).
    void postDocument(const QTextDocument *document, const QString &fileName);
    const QTextDocument *document() const { return m_document; }
    QString documentFileName() const { return m_fileName; }

    // Restoring: drafts kept by a run that did not end normally.
    struct KeptDocument {
        QByteArray rtf;
        QString fileName;
    };
    void keepForRestore(const AnswerDataFile::Answers &typing);
    void keepForRestore(const KeptDocument &document);
    bool hasKeptDocument() const { return m_keptDocument.has_value(); }
    // The kept typing of these questions (removed from the board), or nothing.
    QMap<int, QString> takeTyping(const QList<int> &questions);
    std::optional<KeptDocument> takeDocument();

    void clear(); // between test cases

signals:
    void typingChanged();
    void documentChanged();

private:
    QMap<QString, PageTyping> m_pages;
    QMap<int, QString> m_keptTyping;
    QPointer<const QTextDocument> m_document;
    QString m_fileName;
    std::optional<KeptDocument> m_keptDocument;
};
