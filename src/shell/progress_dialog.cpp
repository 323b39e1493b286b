// The real progress dialog of the dialog layer.
#include "shell/dialogs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <algorithm>

namespace {
constexpr int kSteps = 1000;
constexpr int kShowAfterMs = 500;
constexpr int kRefreshMs = 40; // often enough for Cancel to answer at once, rarely enough to cost nothing

class QtProgress : public WorkProgress {
public:
    QtProgress(QWidget *parent, const QString &text, const QString &title)
        : m_dialog(text, QStringLiteral("Cancel"), 0, kSteps, parent)
    {
        m_dialog.setWindowTitle(title);
        // Modal for the whole program: nothing else may be clicked or typed while it works.
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.setMinimumDuration(kShowAfterMs);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0); // starts its clock
        m_clock.start();
    }

    bool advance(qint64 done, qint64 total) override
    {
        if (m_clock.elapsed() - m_lastRefresh < kRefreshMs)
            return !m_dialog.wasCanceled();
        m_lastRefresh = m_clock.elapsed();
        m_dialog.setValue(total > 0 ? int(std::clamp<qint64>(done * kSteps / total, 1, kSteps - 1)) : 1);
        // Events are taken only while the modal dialog shows, so no other window can be used meanwhile.
        if (m_dialog.isVisible())
            QCoreApplication::processEvents();
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
    QElapsedTimer m_clock;
    qint64 m_lastRefresh = 0;
};
} // namespace

std::unique_ptr<WorkProgress> QtDialogs::progress(QWidget *parent, const QString &text, const QString &title)
{
    return std::make_unique<QtProgress>(parent, text, title);
}
