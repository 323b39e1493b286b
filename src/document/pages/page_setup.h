#pragma once
// The paper a document is laid out and printed on: the one its file named, else the user's
// own (Letter in the United States and Canada, A4 elsewhere) with 1-inch margins.

#include <QByteArray>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <optional>

class QTextDocument;

// Letter for the United States and Canada, A4 for every other territory.
QPageSize::PageSizeId paperOfTerritory(QLocale::Territory territory);
// The paper of a POSIX locale name ("en_US.UTF-8", "fr_CA@euro"); none for an empty name.
std::optional<QPageSize::PageSizeId> paperOfLocaleName(const QByteArray &name);
// The user's paper: the locale named by LC_ALL, else LC_PAPER, else LANG, else the system's.
QPageSize userPaper();
// The user's paper, portrait, with 1-inch margins.
QPageLayout userPageLayout();

// The page layout the document carries, or the user's when it carries none.
QPageLayout documentPageLayout(const QTextDocument &document);
// Only the layout the document carries (a writer says no more than its file did).
std::optional<QPageLayout> ownPageLayout(const QTextDocument &document);
// Gives the document a page layout of its own (a reader that found one in its file).
void setDocumentPageLayout(QTextDocument &document, const QPageLayout &layout);
