#include "questionnaire/windows/section_overview.h"
#include "shell/window_names.h"

#include "shell/look.h"
#include "questionnaire/answer_store.h"

#include <QPushButton>

namespace {
constexpr int kMarkerLeft = 120, kMarkerSize = 255, kLabelLeft = 480;
constexpr int kReturnWidth = 1695, kReturnHeight = 495;
} // namespace

SectionOverview::SectionOverview(const OverviewWindow &desc, QWidget *parent)
    : Form(overviewName(desc), parent), m_desc(desc),
      m_pages(QuestionCatalogue::entryWindowsOf(desc.section))
{
    setWindowTitle(QString::fromLatin1(desc.caption));
    setClientSizeTwips(desc.width, desc.height);

    // Created in tab order: row by row the label and its marker, then cmdReturn, then the twins.
    const std::span<const QuestionInfo> questions = QuestionCatalogue::questionsOf(desc.section);
    Q_ASSERT(desc.rows.size() == questions.size());
    for (std::size_t i = 0; i < desc.rows.size(); ++i)
        buildRow(desc.rows[i], questions[i]);
    auto *ret = makePushButton(this, QStringLiteral("cmdReturn"), QStringLiteral("&Return to Main"),
                               QRect(desc.returnLeft, desc.returnTop, kReturnWidth, kReturnHeight));
    connect(ret, &QPushButton::clicked, this, &SectionOverview::cmdReturn_Click);
    for (Row &row : m_rows) {
        row.twin = makeAnsweredTwin(this, row.marker->objectName() + QLatin1Char('2'), row.place);
        describeMarkers(row.marker, row.twin, QString::fromUtf8(QuestionCatalogue::question(row.question).text));
        const int page = row.page;
        connect(row.twin, &QPushButton::clicked, this, [this, page] { openPage(page); });
    }
}

void SectionOverview::buildRow(const OverviewRow &row, const QuestionInfo &q)
{
    const QString item = QString::fromLatin1(q.itemKey);
    const int page = int(m_pages.indexOf(QString::fromLatin1(q.entryWindow)));
    const int width = row.labelWidth ? row.labelWidth : m_desc.labelWidth;

    auto *label = makeNavyLabel(this, QStringLiteral("lbl") + item, QString::fromUtf8(q.text),
                                QRect(kLabelLeft, row.top, width, row.labelHeight));
    label->setTextFormat(Qt::PlainText);
    const QRect place(kMarkerLeft, row.top, kMarkerSize, kMarkerSize);
    auto *marker = makeMarkerButton(this, QStringLiteral("cmd") + item, place);
    connect(label, &ClickLabel::clicked, this, [this, page] { openPage(page); });
    connect(marker, &QPushButton::clicked, this, [this, page] { openPage(page); });
    m_rows.append({q.number, page, place, marker, nullptr});
}

void SectionOverview::formLoad() { centreOnScreen(); }

void SectionOverview::formActivate()
{
    // Markers only ever switch on: a row once marked stays marked for the run.
    const AnswerStore &store = answerStore();
    for (const Row &row : m_rows) {
        if (store.isAnswered(row.question))
            markAnswered(row.marker, row.twin);
    }
}

void SectionOverview::openPage(int index)
{
    if (index >= 0 && index < m_pages.size())
        Forms::navigate(this, m_pages.at(index));
}

void SectionOverview::cmdReturn_Click() { Forms::navigate(this, QLatin1String(WindowName::Main)); }

void TwoPageOverview::frm2() { SectionOverview::openPage(1); }

void TwoPageOverview::openPage(int index)
{
    if (index == 1)
        frm2();
    else
        SectionOverview::openPage(index);
}
