#pragma once
// The fixed list of the 11 sections and 77 questions, and which windows show them.

#include <QString>
#include <span>

enum class SectionId { Childhood, HighSch, FirstCar, Volunteer, Jobs, College, Military, Wedding, Travel, Life, Final };

constexpr int kQuestionCount = 77;
constexpr int kSectionCount = 11;

// A question named by its section and item key (the word in its control names).
struct QuestionKey {
    SectionId section;
    QString item;
    bool operator==(const QuestionKey &) const = default;
};

struct QuestionInfo {
    int number;              // 1..77, the order of every list of answers
    SectionId section;
    int position;            // 1-based within the section
    const char *itemKey;     // overview names: cmd<key>, cmd<key>2, lbl<key>
    const char *textBox;     // entry window text box, e.g. "txtGrowUp"
    const char *entryLabel;  // entry window label, e.g. "lblGrowUp"
    const char *entryWindow; // e.g. "frmChildhood1"
    const char *text;        // the question as the document prints it

    bool alwaysText() const;
    QuestionKey key() const { return {section, QString::fromLatin1(itemKey)}; }
};

struct SectionInfo {
    SectionId id;
    const char *name;           // "Childhood"
    const char *menuLabel;      // "&Childhood"
    const char *heading;        // "CHILDHOOD:"
    const char *overviewWindow; // "frmChildMain"
    int firstQuestion;          // question number of position 1
    int size;                   // number of questions
};

namespace QuestionCatalogue {
std::span<const QuestionInfo> questions();
std::span<const SectionInfo> sections();
const QuestionInfo &question(int number); // number 1..77
const SectionInfo &section(SectionId id);
std::span<const QuestionInfo> questionsOf(SectionId id);
// The question number for a key, or 0 when the key names no question. Besides the item
// key, the entry-window name of questions 21, 24 and 34 ("Getting", "Volun", "WhereWent") works too.
int numberOf(const QuestionKey &key);
// The question edited by a text box of an entry window (e.g. "txtGetting" on "frmFirstCar"), or 0.
int numberOfTextBox(const QString &entryWindow, const QString &textBox);
// The entry windows of a section in page order, e.g. {"frmChildhood1", "frmChildhood2"}.
QStringList entryWindowsOf(SectionId id);
QString sectionName(SectionId id);
} // namespace QuestionCatalogue
