#pragma once
// The fixed texts of the information windows, and how the assembled ones are put together.

#include <QString>
#include <QStringList>

namespace InfoText {
// A label's line break.
QString lineBreak();
// Lines joined by one line break; paragraphs by two (an empty line between them).
QString joinLines(const QStringList &lines);
QString joinParagraphs(const QStringList &paragraphs);

QString authorEmail();
// Author, company, street, city, e-mail, web address: one per line.
QString contactBlock();

QString instructions1();
QString instructions2();
QString instructions3();

QString shareware1();
QString shareware2();

QString warranty1();
QString warranty2();
QString warranty3();

QString distribution1();
QString distribution2();

QString versionHistory();

QString creditsCaption();
QString dedication();
} // namespace InfoText
