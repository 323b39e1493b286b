// The data file's answers to and from the answer store.
#include "document/datafile/answer_data_file.h"

#include "questionnaire/answer_store.h"

namespace AnswerDataFile {
Answers answersOf(const AnswerStore &store)
{
    Answers answers;
    for (int n = 1; n <= kQuestionCount; ++n) {
        if (store.hasValue(n))
            answers[n - 1] = store.answerOf(n);
    }
    return answers;
}

void storeAnswers(AnswerStore &store, const Answers &answers)
{
    AnswerStore::ChangeBatch batch(store);
    for (int n = 1; n <= kQuestionCount; ++n)
        store.setAnswer(n, answers[n - 1]);
}
} // namespace AnswerDataFile
