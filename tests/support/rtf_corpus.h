#pragma once
// Real word-processor RTF files for the corpus-wide tests. The folder is the build option
// KINSCRIBE_RTF_CORPUS (default ../shared/rtf-corpus beside the sources), handed to each test by
// CTest; a clone without it still passes, the corpus-wide tests skip.

#include <QString>
#include <QTest>

// The configured folder, absolute; empty when the test was started outside CTest.
QString rtfCorpusDir();
// Empty when the folder is there; otherwise why the corpus-wide tests cannot run.
QString rtfCorpusMissing();

#define SKIP_WITHOUT_RTF_CORPUS()                                                                            \
    do {                                                                                                     \
        if (const QString why = rtfCorpusMissing(); !why.isEmpty())                                          \
            QSKIP(qPrintable(why));                                                                          \
    } while (false)
