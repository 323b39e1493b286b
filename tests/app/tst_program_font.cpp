// On a desktop with only the program's run packages, fontconfig's "sans-serif" falls back to
// Liberation Mono, a typewriter face. The program names its own faces, so its buttons and
// boxes still show in a proportional sans-serif. Checked in a child process that sees only
// the fonts of the run packages.
#include "test_app.h"

#include <QFontInfo>
#include <QProcess>
#include <QPushButton>

class TestProgramFont : public ProgramTest {
    Q_OBJECT
private slots:
    void minimalDesktop_data();
    void minimalDesktop();
    void controlsInChild();
};

namespace {
const char *const kChildFlag = "KINSCRIBE_FONT_CHILD";

QByteArray fontConfig(const QStringList &folders, const QString &cache)
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n";
    for (const QString &folder : folders)
        xml += "  <dir>" + folder.toUtf8() + "</dir>\n";
    return xml + "  <cachedir>" + cache.toUtf8() + "</cachedir>\n</fontconfig>\n";
}
} // namespace

void TestProgramFont::minimalDesktop_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("nominal: the run packages' fonts") << QStringList{"/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/dejavu"};
    QTest::newRow("robustness: the Arial-metric fonts alone") << QStringList{"/usr/share/fonts/truetype/liberation2"};
}

void TestProgramFont::minimalDesktop()
{
    QFETCH(QStringList, folders);
    for (const QString &folder : folders) {
        if (!QFileInfo(folder).isDir())
            QSKIP(qPrintable(folder + " is missing: install the run packages (scripts/deps run)"));
    }
    const QString config = dir.filePath("fonts.conf");
    QVERIFY(writeBytes(config, fontConfig(folders, dir.filePath("cache"))));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FONTCONFIG_FILE"), config);
    env.insert(QString::fromLatin1(kChildFlag), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("controlsInChild")});
    QVERIFY(child.waitForFinished(120000));
    const QString output = QString::fromUtf8(child.readAll());
    QVERIFY2(child.exitCode() == 0 && output.contains(QLatin1String("PASS   : TestProgramFont::controlsInChild()")), qPrintable(output));
}

void TestProgramFont::controlsInChild()
{
    if (qEnvironmentVariableIsEmpty(kChildFlag))
        QSKIP("runs in the child process of minimalDesktop");
    program.startToMainMenu();
    Forms::show(QStringLiteral("frmChildhood1"));
    for (const auto &[window, control] : {std::pair{"frmMain", "cmdExit"}, std::pair{"frmChildhood1", "cmdSave"},
                                          std::pair{"frmChildhood1", "txtGrowUp"}}) {
        auto *w = program.child<QWidget>(QString::fromLatin1(window), QString::fromLatin1(control));
        QVERIFY(w);
        const QFontInfo shown(w->font());
        QVERIFY2(!shown.fixedPitch(), qPrintable(QStringLiteral("%1 shows in %2").arg(control, shown.family())));
    }
}

QTEST_MAIN(TestProgramFont)
#include "tst_program_font.moc"
