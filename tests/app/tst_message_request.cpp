// The classic message-box style numbers read as typed requests.
#include "shell/message_request.h"
#include "scripted_dialogs.h"

#include <QTest>

class TestMessageRequest : public QObject {
    Q_OBJECT
private slots:
    void fromStyleNumber_data();
    void fromStyleNumber();
};

using Request = std::optional<MessageRequest>;

void TestMessageRequest::fromStyleNumber_data()
{
    using enum MessageIcon;
    using enum MessageButtons;
    using enum DefaultButton;
    QTest::addColumn<int>("style");
    QTest::addColumn<Request>("expected");
    QTest::newRow("nominal: 0, OK alone") << 0 << Request(MessageRequest{});
    QTest::newRow("nominal: 48, the editing note") << 48 << Request({Exclamation, Ok, First});
    QTest::newRow("nominal: 64, a search that found nothing") << 64 << Request({Information, Ok, First});
    QTest::newRow("nominal: 52, save changes on a page") << 52 << Request({Exclamation, YesNo, First});
    QTest::newRow("nominal: 36, the recovery offer") << 36 << Request({Question, YesNo, First});
    QTest::newRow("nominal: 308, the exit question") << 308 << Request({Exclamation, YesNo, Second});
    QTest::newRow("nominal: 547, the load question") << 547 << Request({Question, YesNoCancel, Third});
    QTest::newRow("nominal: 563, the editor's save question") << 563 << Request({Exclamation, YesNoCancel, Third});
    QTest::newRow("robustness: 1, OK and Cancel") << 1 << Request();
    QTest::newRow("robustness: 2, Abort, Retry and Ignore") << 2 << Request();
    QTest::newRow("robustness: 16, the critical icon") << 16 << Request();
    QTest::newRow("robustness: 80, two icons at once") << 80 << Request();
    QTest::newRow("robustness: 768, two default buttons") << 768 << Request();
    QTest::newRow("robustness: 4096, system modal") << 4096 << Request();
    QTest::newRow("robustness: -1") << -1 << Request();
}

void TestMessageRequest::fromStyleNumber()
{
    QFETCH(int, style);
    QFETCH(Request, expected);
    const Request got = ::fromStyleNumber(style);
    QCOMPARE(got.has_value(), expected.has_value());
    if (expected)
        QCOMPARE(*got, *expected);
}

QTEST_APPLESS_MAIN(TestMessageRequest)
#include "tst_message_request.moc"
