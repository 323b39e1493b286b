#pragma once
// A document as its paragraphs, formats and runs, one line a paragraph, to compare two
// documents built in different ways (format numbers aside).

#include <QStringList>

class QTextDocument;

QStringList documentShape(const QTextDocument &document);
