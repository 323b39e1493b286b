#pragma once
// What goes into the book: the sections that have answers, each with its answered questions,
// in catalogue order. Unanswered questions, and answers of nothing but spaces and line breaks,
// are left out; so is a section left with nothing.

#include <QList>
#include <QString>

class AnswerStore;

struct BookEntry {
    QString question;
    QString answer; // as typed, line breaks (CR LF, LF or CR) included
};

struct BookSection {
    QString heading; // in title case: "High School"
    QList<BookEntry> entries;
};

QList<BookSection> bookContent(const AnswerStore &store);

// "HIGH SCHOOL:" -> "High School", "LIFE IN GENERAL:" -> "Life in General".
QString titleCaseHeading(const QString &heading);

// The answer's lines as typed: an empty string stands for an empty line.
QStringList answerLines(const QString &answer);
