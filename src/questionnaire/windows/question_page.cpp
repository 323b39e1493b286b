#include "questionnaire/windows/question_page.h"

#include "shell/dialogs.h"
#include "shell/look.h"
#include "shell/twips.h"
#include "questionnaire/answer_store.h"
#include "questionnaire/windows/answer_box.h"
#include "questionnaire/windows/page_layout.h"

#include <QGroupBox>
#include <QMap>
#include <QPushButton>

QuestionPage::QuestionPage(const PageWindow &desc, QWidget *parent)
    : Form(pageName(desc), parent), m_desc(desc)
{
    setWindowTitle(QString::fromLatin1(desc.caption));
    setClientSizeTwips(desc.width, desc.height);
    build();
}

void QuestionPage::build()
{
    const PageGeometry g = layoutPage(m_desc);
    QMap<QString, QGroupBox *> frames;
    QMap<QString, QPoint> origins;
    for (const PageGeometry::Frame &f : g.frames) {
        auto *frame = new QGroupBox(this);
        frame->setObjectName(f.name);
        frame->setGeometry(twipsRect(f.rect.x(), f.rect.y(), f.rect.width(), f.rect.height()));
        frames.insert(f.name, frame);
        origins.insert(f.name, f.rect.topLeft());
    }
    QWidget *previous = nullptr;
    for (int i = 0; i < int(m_desc.boxes.size()); ++i) {
        const PageBox &b = m_desc.boxes[i];
        const QString frameName = QString::fromLatin1(b.frame);
        QGroupBox *frame = frames.value(frameName);
        const QPoint origin = origins.value(frameName);
        const QuestionInfo &q = QuestionCatalogue::question(b.question);
        Q_ASSERT(objectName() == QLatin1String(q.entryWindow));
        const QString caption = QString::fromUtf8(b.caption ? b.caption : q.text);
        auto *label = makeNavyLabel(frame, QString::fromLatin1(q.entryLabel), caption, g.labels[i].translated(-origin));
        label->setTextFormat(Qt::PlainText);
        auto *box = new AnswerBox(QString::fromLatin1(q.textBox), frame);
        setAccessible(box, QString::fromUtf8(q.text));
        const QRect r = g.boxes[i].translated(-origin);
        box->setGeometry(twipsRect(r.x(), r.y(), r.width(), r.height()));
        connect(box, &QPlainTextEdit::textChanged, this, &QuestionPage::txt_Change);
        if (previous)
            setTabOrder(previous, box);
        previous = box;
        m_boxes.append({b.question, box});
    }
    auto *save = makePushButton(this, QStringLiteral("cmdSave"), QStringLiteral("&Save"), g.save);
    auto *ret = makePushButton(this, QStringLiteral("cmdReturn"), QStringLiteral("&Return"), g.ret);
    setTabOrder(previous, save);
    setTabOrder(save, ret);
    connect(save, &QPushButton::clicked, this, &QuestionPage::cmdSave_Click);
    connect(ret, &QPushButton::clicked, this, &QuestionPage::cmdReturn_Click);
}

QuestionPage::~QuestionPage() { emit typingChanged(false); }

void QuestionPage::formLoad() { centreOnScreen(); }

void QuestionPage::formActivate()
{
    const AnswerStore &store = answerStore();
    for (const Box &b : m_boxes)
        b.edit->setText(store.answerOf(b.question));
    // Filling the boxes raised their change events; only what the user does next counts.
    m_dataChanged = QStringLiteral("N");
    emit boxesFilled();
    if (!m_boxes.isEmpty())
        m_boxes.first().edit->setFocus(Qt::OtherFocusReason);
    postTyping();
}

QList<int> QuestionPage::questions() const
{
    QList<int> numbers;
    for (const Box &b : m_boxes)
        numbers.append(b.question);
    return numbers;
}

QMap<int, QString> QuestionPage::typing() const
{
    QMap<int, QString> texts;
    for (const Box &b : m_boxes)
        texts.insert(b.question, b.edit->text());
    return texts;
}

void QuestionPage::restoreTyping(const QMap<int, QString> &kept)
{
    for (const Box &b : m_boxes) {
        if (kept.contains(b.question))
            b.edit->setText(kept.value(b.question));
    }
    if (!kept.isEmpty())
        m_dataChanged = QStringLiteral("Y");
}

void QuestionPage::postTyping() { emit typingChanged(m_dataChanged == QLatin1String("Y") && isVisible()); }

void QuestionPage::txt_Change()
{
    m_dataChanged = QStringLiteral("Y");
    postTyping();
}

void QuestionPage::cmdSave_Click()
{
    AnswerStore &store = answerStore();
    AnswerStore::ChangeBatch batch(store);
    for (const Box &b : m_boxes)
        store.setAnswer(b.question, b.edit->text());
    m_dataChanged = QStringLiteral("N");
    postTyping();
}

void QuestionPage::cmdReturn_Click()
{
    if (m_dataChanged == QLatin1String("Y")) {
        const MessageAnswer answer = Dialogs::get().message(this, QStringLiteral("Do you want to save your changes?"),
                                                            MessageRequest{MessageIcon::Exclamation, MessageButtons::YesNo},
                                                            QStringLiteral("Save Changes"));
        if (answer == MessageAnswer::Yes)
            cmdSave_Click();
    }
    Forms::navigate(this, pageOverviewName(m_desc));
    postTyping();
}
