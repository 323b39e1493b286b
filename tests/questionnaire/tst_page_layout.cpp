// The question pages' layout: window, frames, buttons, each question's label and box, and
// the tab order.
#include "questionnaire_helpers.h"

#include <QGroupBox>
#include <QScrollBar>

using namespace qhelp;

namespace {
QRect frameRect(Form *w, const QString &frame)
{
    auto *f = w->findChild<QGroupBox *>(frame);
    return f ? twipsOf(f) : QRect();
}

// The frame of each place on a page (column frames and band), found from the expected boxes.
QString frameAt(const QString &page, char place)
{
    for (const expected::PageBox *b : boxesOf(page))
        if (b->place == place)
            return QString::fromLatin1(b->frame);
    return {};
}

QString expectedCaption(int question)
{
    if (question == 4)
        return QString::fromLatin1(expected::livedCaption);
    if (question == 40)
        return QString::fromLatin1(expected::graduateCaption);
    return QString::fromUtf8(QuestionCatalogue::question(question).text);
}
} // namespace

class TstPageLayout : public ProgramTest {
    Q_OBJECT
private slots:
    void windowAndFrames_data() { addPageRows(); }
    void windowAndFrames();
    void buttonsFollowLayout_data() { addPageRows(); }
    void buttonsFollowLayout();
    void boxLayout_data() { addPageBoxRows(); }
    void boxLayout();
    void tabOrder_data() { addPageRows(); }
    void tabOrder();
};

void TstPageLayout::windowAndFrames()
{
    QFETCH(QString, page);
    const expected::Page &p = pageSpec(page);
    Form *w = Forms::load(page);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString::fromUtf8(p.caption));
    QCOMPARE(w->size() * kTwips, QSize(p.width, p.height));

    const bool military1 = page == QLatin1String("frmMilitary1");
    const QRect left = frameRect(w, frameAt(page, 'L')), right = frameRect(w, frameAt(page, 'R'));
    QCOMPARE(QRect(left.x(), left.y(), left.width(), 0), QRect(120, 0, 3135, 0));
    QCOMPARE(QRect(right.x(), right.y(), right.width(), 0), QRect(3360, 0, military1 ? 3255 : 3135, 0));
    const QString bandName = frameAt(page, 'B');
    QCOMPARE(!bandName.isEmpty(), p.layout == 'A' || p.layout == 'B');
    QCOMPARE(w->findChildren<QGroupBox *>().size(), bandName.isEmpty() ? 2 : 3);
    for (QGroupBox *f : w->findChildren<QGroupBox *>()) {
        QVERIFY(f->title().isEmpty());
        QVERIFY(QRect(0, 0, p.width, p.height).contains(twipsOf(f)));
    }
    if (!bandName.isEmpty()) {
        const QRect band = frameRect(w, bandName);
        QCOMPARE(band.x(), 120);
        QCOMPARE(band.width(), military1 ? 5175 : 5055);
        QVERIFY(band.y() >= std::max(left.bottom(), right.bottom()));
    }
}

void TstPageLayout::buttonsFollowLayout()
{
    QFETCH(QString, page);
    const expected::Page &p = pageSpec(page);
    Form *w = Forms::load(page);
    auto *save = w->findChild<QPushButton *>(QStringLiteral("cmdSave"));
    auto *ret = w->findChild<QPushButton *>(QStringLiteral("cmdReturn"));
    QVERIFY(save && ret);
    QCOMPARE(save->text(), QStringLiteral("&Save"));
    QCOMPARE(ret->text(), QStringLiteral("&Return"));
    QCOMPARE(save->shortcut(), QKeySequence(QStringLiteral("Alt+S")));
    QCOMPARE(ret->shortcut(), QKeySequence(QStringLiteral("Alt+R")));
    QVERIFY(!save->isDefault() && !ret->isDefault());
    const QRect s = twipsOf(save), r = twipsOf(ret);
    QCOMPARE(s.size(), QSize(1095, 615));
    QCOMPARE(r.size(), QSize(1095, 615));
    QVERIFY(QRect(0, 0, p.width, p.height).contains(s) && QRect(0, 0, p.width, p.height).contains(r));
    const QRect left = frameRect(w, frameAt(page, 'L')), right = frameRect(w, frameAt(page, 'R'));
    switch (p.layout) {
    case 'A':
    case 'B': { // stacked at the right of the band, Save above
        const QRect band = frameRect(w, frameAt(page, 'B'));
        QCOMPARE(s.x(), r.x());
        QVERIFY(s.bottom() < r.y());
        QVERIFY(s.x() > band.right());
        QVERIFY(s.y() >= band.y() && r.bottom() <= band.bottom());
        break;
    }
    case 'C': // Save lower left, Return lower right, below the columns
        QCOMPARE(s.y(), r.y());
        QVERIFY(s.y() > std::max(left.bottom(), right.bottom()));
        QVERIFY(s.right() < p.width / 2 && r.x() > p.width / 2);
        break;
    case 'D': // side by side below the shorter right column
        QCOMPARE(s.y(), r.y());
        QVERIFY(s.bottom() < r.x() || s.right() < r.x());
        QVERIFY(s.y() > right.bottom());
        QVERIFY(s.x() >= right.x() && r.right() <= right.right());
        QVERIFY(left.bottom() > s.y());
        break;
    default:
        QFAIL("unknown layout");
    }
}

void TstPageLayout::boxLayout()
{
    QFETCH(int, index);
    const expected::PageBox &b = expected::pageBoxes[index];
    const QString page = QString::fromLatin1(b.window);
    Form *w = Forms::load(page);
    auto *label = w->findChild<QLabel *>(QString::fromLatin1(b.label));
    auto *edit = w->findChild<QPlainTextEdit *>(QString::fromLatin1(b.textBox));
    QVERIFY(label && edit);
    QCOMPARE(edit->parentWidget()->objectName(), QString::fromLatin1(b.frame));
    QCOMPARE(label->parentWidget()->objectName(), QString::fromLatin1(b.frame));
    QCOMPARE(label->text(), expectedCaption(b.question));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->font().family(), QStringLiteral("Arial"));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pointSizeF(), 9.75);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    QVERIFY(edit->toPlainText().isEmpty());
    QVERIFY(edit->tabChangesFocus());
    QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    const QRect frame = twipsOf(edit->parentWidget());
    const QRect l = twipsOf(label), e = twipsOf(edit);
    QVERIFY(frame.contains(l) && frame.contains(e));
    const bool wideBand = page == QLatin1String("frmTravel2") && b.place == 'B';
    if (b.place == 'B' && !wideBand) { // label to the left of its box
        QVERIFY(l.right() < e.x());
        QCOMPARE(l.y(), e.y());
        QCOMPARE(e.width(), 2895);
        QVERIFY(e.height() >= 975);
        return;
    }
    QCOMPARE(l.x(), e.x()); // label above its box
    QVERIFY(l.bottom() < e.y());
    QCOMPARE(l.width(), e.width());
    if (wideBand) {
        QCOMPARE(e.width(), 4815);
        QVERIFY(e.height() >= 975);
    } else {
        QCOMPARE(e.size(), QSize(frame.width() - 240, 975));
    }
}

void TstPageLayout::tabOrder()
{
    QFETCH(QString, page);
    Form *w = openPage(program, page);
    QVERIFY(w && w->isVisible());
    QStringList want;
    for (const expected::PageBox *b : boxesOf(page))
        want << QString::fromLatin1(b->textBox);
    want << QStringLiteral("cmdSave") << QStringLiteral("cmdReturn");
    QStringList seen;
    for (int i = 0; i < want.size(); ++i) {
        QWidget *focus = w->focusWidget();
        QVERIFY(focus);
        seen << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(seen, want);
    // Tab from a box moves on; it never types a tab character.
    for (const expected::PageBox *b : boxesOf(page))
        QVERIFY(!box(page, QString::fromLatin1(b->textBox))->toPlainText().contains(QLatin1Char('\t')));
}

QTEST_MAIN(TstPageLayout)
#include "tst_page_layout.moc"
