#include "app/main_menu.h"
#include "shell/window_names.h"

#include "document/windows/loading/load_data.h"
#include "shell/exit_question.h"
#include "shell/look.h"
#include "shell/twips.h"
#include "questionnaire/answer_store.h"

#include <QToolTip>

namespace {
// One row of the menu: a label and the marker button beside it. The target is the window
// the row opens; an empty target runs the load command.
struct Row {
    const char *label;
    const char *caption;
    const char *tooltip;
    int labelLeft, top, labelWidth;
    const char *button;
    const char *target; // a section's comes from the catalogue
    int section; // index of the SectionId, or -1
};

constexpr int kLeft = 480, kRight = 3240;
constexpr Row kRows[] = {
    {"lblInfo", "&About this Program", "Information about this program.", kLeft, 120, 1830, "cmdInfo", WindowName::Info, -1},
    {"lblInstruc", "&Instructions", "Instructions on how to use this program.", kLeft, 480, 1080, "cmdInstruc", WindowName::Instructions, -1},
    {"lblDistribution", "&Distribution", "Distribution information for this program.", kLeft, 840, 1080, "cmdDistribution", WindowName::Distribution, -1},
    {"lblWarranty", "Warrant&y", "Warranty information about this program.", kLeft, 1200, 870, "cmdWarranty", WindowName::Warranty, -1},
    {"lblShareware", "Shar&eware", "Information about shareware in general.", kLeft, 1560, 1050, "cmdShareware", WindowName::Shareware, -1},
    {"lblChildhood", "&Childhood", "Questions about your childhood.", kLeft, 1920, 975, "cmdChildhood", nullptr, 0},
    {"lblHighSchool", "&High School", "Questions about your high school years.", kLeft, 2280, 1155, "cmdHighSch", nullptr, 1},
    {"lblFirstCar", "&First Car", "Questions about your first car.", kLeft, 2640, 795, "cmdFirstCar", nullptr, 2},
    {"lblVolun", "&Volunteering", "Questions about your volunteer services.", kLeft, 3000, 1230, "cmdVolunteer", nullptr, 3},
    {"lblJobs", "&Jobs", "Questions about your jobs.", kRight, 120, 435, "cmdJobs", nullptr, 4},
    {"lblCollege", "Colle&ge", "Questions about your college years.", kRight, 480, 735, "cmdCollege", nullptr, 5},
    {"lblMilitary", "&Military", "Questions about you and the military.", kRight, 840, 705, "cmdMilitary", nullptr, 6},
    {"lblWedding", "&Wedding", "Questions about your wedding.", kRight, 1200, 855, "cmdWedding", nullptr, 7},
    {"lblTravel", "&Travel", "Questions about your travel experiences.", kRight, 1560, 600, "cmdTravel", nullptr, 8},
    {"lblLife", "&Life in General", "Questions about your life in general.", kRight, 1920, 1425, "cmdLife", nullptr, 9},
    {"lblFinal", "Fi&nal Thoughts", "For your final comments.", kRight, 2280, 1410, "cmdFinal", nullptr, 10},
    {"lblSave", "Edit Text && Save to File", "", kRight, 2640, 2235, "cmdSaveFile", WindowName::Editor, -1},
};
} // namespace

MainMenu::MainMenu(QWidget *parent) : Form(QLatin1String(WindowName::Main), parent)
{
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setClientSizeTwips(5565, 3975);

    for (const Row &row : kRows) {
        const int buttonLeft = row.labelLeft == kLeft ? 120 : 2880;
        auto *label = makeNavyLabel(this, QString::fromLatin1(row.label), QString::fromLatin1(row.caption),
                                    QRect(row.labelLeft, row.top, row.labelWidth, 240));
        label->setWordWrap(false);
        label->setToolTip(QString::fromLatin1(row.tooltip));
        auto *button = makeMarkerButton(this, QString::fromLatin1(row.button), QRect(buttonLeft, row.top, 255, 255));
        label->setBuddy(button);
        // Sized to its text: the table's widths were measured with another font's metrics.
        widenToText(label);
        setAccessible(button, plainCaption(label->text()));
        const QString target = QString::fromLatin1(row.section >= 0 ? QuestionCatalogue::sections()[row.section].overviewWindow
                                                                    : row.target);
        connect(label, &ClickLabel::clicked, this, [this, target] { open(target); });
        connect(button, &QPushButton::clicked, this, [this, target] { open(target); });
        if (row.section >= 0)
            m_sections[row.section].marker = button;
    }

    auto *exit = makePushButton(this, QStringLiteral("cmdExit"), QStringLiteral("E&xit"), QRect(4320, 3360, 1095, 495));
    exit->setToolTip(QStringLiteral("Click here to exit the program."));
    exit->setFont(controlFont(8.25, QStringLiteral("MS Sans Serif")));
    connect(exit, &QPushButton::clicked, this, [this] { askExitQuestion(this); });

    for (int i = 0; i < kSectionCount; ++i) {
        QPushButton *marker = m_sections[i].marker;
        auto *twin = makeAnsweredTwin(this, marker->objectName() + QLatin1Char('2'), QRect(i < 4 ? 120 : 2880,
                                                                                              0, 255, 255));
        twin->setGeometry(marker->geometry());
        describeMarkers(marker, twin, marker->accessibleName());
        // A marked section still opens from its check mark, like from its label.
        const QString target = QString::fromLatin1(QuestionCatalogue::sections()[i].overviewWindow);
        connect(twin, &QPushButton::clicked, this, [this, target] { open(target); });
        m_sections[i].twin = twin;
    }

    auto *load = makeMarkerButton(this, QStringLiteral("cmdLoad"), QRect(960, 3480, 255, 255));
    auto *loadLabel = makeNavyLabel(this, QStringLiteral("lblLoad"), QStringLiteral("Load Previously Saved Data"),
                                    QRect(1320, 3480, 2685, 240));
    loadLabel->setWordWrap(false);
    loadLabel->setTextFormat(Qt::PlainText);
    widenToText(loadLabel);
    setAccessible(load, loadLabel->text());
    connect(load, &QPushButton::clicked, this, &MainMenu::LoadData);
    connect(loadLabel, &ClickLabel::clicked, this, &MainMenu::LoadData);
    // Widgets were created in tab order, so the default focus chain already follows the table.
}

void MainMenu::formLoad()
{
    centreOnScreen();
    answerStore().loadQuestionTexts();
}

void MainMenu::formActivate()
{
    const AnswerStore &store = answerStore();
    for (int i = 0; i < kSectionCount; ++i) {
        if (store.isSectionComplete(QuestionCatalogue::sections()[i].id))
            markAnswered(m_sections[i].marker, m_sections[i].twin);
    }
}

void MainMenu::open(const QString &target)
{
    if (Forms::isRegistered(target))
        Forms::navigate(this, target);
}

void MainMenu::LoadData() { ::LoadData(this); }
