#pragma once
// A small Hunspell dictionary written by the tests, so spelling can be checked on a machine
// without any hunspell-* package. Its words: the, old, car, farm, house, summer, café, we,
// drove; café needs the encoding to hold "é".

#include <QByteArray>
#include <QString>

// Writes test.aff and test.dic into the folder in the given encoding ("ISO8859-1" or
// "UTF-8"); gives the .aff path.
QString writeTestDictionary(const QString &folder, const QByteArray &encoding = QByteArrayLiteral("ISO8859-1"),
                            const QString &name = QStringLiteral("test"));
