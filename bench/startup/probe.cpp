// Starts either Kinscribe's start-up window or a bare Qt window, the same way, and ends at
// the first paint, printing nothing: the benchmark measures the process from outside.
#ifdef KINSCRIBE_PROBE
#include "shell/form.h"
#include "app/register_forms.h"
#include "resources/artwork.h"
#endif

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QCoreApplication::exit(0);
        return false;
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    FirstPaint watch;
#ifdef KINSCRIBE_PROBE
    QApplication::setWindowIcon(programIcon());
    registerAllForms();
    Form *splash = Forms::load(QStringLiteral("frmSplash"));
    splash->installEventFilter(&watch);
    Forms::show(QStringLiteral("frmSplash"));
#else
    QWidget bare;
    bare.resize(288, 248);
    bare.installEventFilter(&watch);
    bare.show();
#endif
    const int code = QApplication::exec();
#ifdef KINSCRIBE_PROBE
    Forms::unloadAll();
#endif
    return code;
}
