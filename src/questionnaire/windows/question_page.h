#pragma once
// A question page: a label and a box for each of its questions, Save and Return. Every showing
// refills the boxes from the store; Return offers to save what changed since then.

#include "shell/form.h"
#include "questionnaire/windows/page_table.h"

#include <QList>
#include <QMap>

class AnswerBox;

class QuestionPage : public Form {
    Q_OBJECT
    // "Y" once a box changed since the boxes were last filled from or copied into the store.
    Q_PROPERTY(QString DataChanged READ dataChanged)
public:
    explicit QuestionPage(const PageWindow &desc, QWidget *parent = nullptr);
    ~QuestionPage() override;
    void formLoad() override;
    void formActivate() override;

    QString dataChanged() const { return m_dataChanged; }

    QList<int> questions() const;
    // What the boxes hold: question number -> box text.
    QMap<int, QString> typing() const;
    // Typing kept from a run that did not end normally, back in its boxes, marked changed so
    // that Return asks to save it as for any typing.
    void restoreTyping(const QMap<int, QString> &kept);

signals:
    // Whether the page holds typing the store does not have; false also when the page goes.
    void typingChanged(bool unsaved);
    // The boxes were just filled from the store: the moment for kept typing to go back in.
    void boxesFilled();

private:
    struct Box {
        int question;
        AnswerBox *edit;
    };
    void build();
    void txt_Change();
    void cmdSave_Click();
    void cmdReturn_Click();
    // Tells whoever keeps a safety copy whether this page holds typing the store does not have.
    void postTyping();

    const PageWindow &m_desc;
    QList<Box> m_boxes;
    QString m_dataChanged = QStringLiteral("N");
};
