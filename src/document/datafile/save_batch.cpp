#include "document/datafile/save_batch.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace {
QString diskFull() { return QCoreApplication::translate("SaveBatch", "The disk is full."); }
} // namespace

SaveBatch::SaveBatch() = default;
SaveBatch::~SaveBatch() = default;

void SaveBatch::add(const QString &path, const QByteArray &bytes) { m_entries.push_back({path, bytes, nullptr}); }

bool SaveBatch::fail(const Entry &entry, const QString &why)
{
    m_failedPath = entry.path;
    m_error = why;
    return false;
}

bool SaveBatch::prepare(Entry &entry)
{
    entry.file = std::make_unique<QSaveFile>(entry.path);
    QSaveFile &file = *entry.file;
    // Unbuffered, so every byte reaches the disk now and a full disk shows here, before any
    // file is moved into place; the reason then comes from the write that failed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(entry, file.errorString());
    const char *data = entry.bytes.constData();
    qint64 left = entry.bytes.size();
    while (left > 0) {
        const qint64 written = file.write(data, left);
        if (written <= 0)
            return fail(entry, file.error() != QFileDevice::NoError ? file.errorString() : diskFull());
        data += written;
        left -= written;
    }
    return true;
}

bool SaveBatch::commit()
{
    for (Entry &entry : m_entries) {
        if (!prepare(entry))
            return false;
    }
    for (Entry &entry : m_entries) {
        if (!entry.file->commit())
            return fail(entry, entry.file->errorString());
    }
    return true;
}

QString saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    SaveBatch batch;
    batch.add(path, bytes);
    return batch.commit() ? QString() : batch.errorString();
}
