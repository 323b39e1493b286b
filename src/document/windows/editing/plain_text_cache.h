#pragma once
// The edit box's whole text as toPlainText() gives it, kept between searches. Copying out
// a 10 MB document costs more than searching it, so after an edit only the stretch between
// the unchanged start and the unchanged end is read again from the document.

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

class QTextDocument;
class QTextEdit;

class PlainTextCache : public QObject {
    Q_OBJECT
public:
    explicit PlainTextCache(QTextEdit *edit);

    const QString &text();

private:
    void watch(QTextDocument *doc);
    void noteChange(int position, int removed, int added);
    bool patch(); // false when the text must be read whole
    void rebuildAll();

    QTextEdit *m_edit;
    QPointer<QTextDocument> m_doc;
    QMetaObject::Connection m_changes;
    QString m_text;     // the text when last read
    bool m_valid = false;
    qsizetype m_length = 0; // length of the document's text now
    qsizetype m_head = 0;   // leading characters unchanged since last read
    qsizetype m_tail = 0;   // trailing characters unchanged since last read
};

// The document's characters in [start, end) as toPlainText() shows them; no value when a
// cursor cannot select exactly that stretch (it snaps to whole cells inside tables).
std::optional<QString> plainTextBetween(const QTextDocument *doc, int start, int end);
