#include "questionnaire/catalogue.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<SectionInfo, kSectionCount> kSections{{
    {SectionId::Childhood, "Childhood", "&Childhood", "CHILDHOOD:", "frmChildMain", 1, 10},
    {SectionId::HighSch, "HighSch", "&High School", "HIGH SCHOOL:", "frmHighSchMain", 11, 8},
    {SectionId::FirstCar, "FirstCar", "&First Car", "FIRST CAR:", "frmCarMain", 19, 5},
    {SectionId::Volunteer, "Volunteer", "&Volunteering", "VOLUNTEERING:", "frmVolunMain", 24, 5},
    {SectionId::Jobs, "Jobs", "&Jobs", "JOBS:", "frmJobsMain", 29, 5},
    {SectionId::College, "College", "Colle&ge", "COLLEGE:", "frmCollegeMain", 34, 11},
    {SectionId::Military, "Military", "&Military", "MILITARY:", "frmMilitaryMain", 45, 7},
    {SectionId::Wedding, "Wedding", "&Wedding", "WEDDING:", "frmWeddingMain", 52, 9},
    {SectionId::Travel, "Travel", "&Travel", "TRAVELING:", "frmTravelMain", 61, 7},
    {SectionId::Life, "Life", "&Life in General", "LIFE IN GENERAL:", "frmLifeMain", 68, 6},
    {SectionId::Final, "Final", "Fi&nal Thoughts", "FINAL COMMENTS:", "frmFinalMain", 74, 4},
}};

constexpr std::array<QuestionInfo, kQuestionCount> kQuestions{{
    {1, SectionId::Childhood, 1, "GrowUp", "txtGrowUp", "lblGrowUp", "frmChildhood1", "When you were a child, what did you always want to be when you grew up?"},
    {2, SectionId::Childhood, 2, "Toys", "txtToys", "lblToys", "frmChildhood1", "What were the toys you remember having?"},
    {3, SectionId::Childhood, 3, "Games", "txtGames", "lblGames", "frmChildhood1", "What were your favorite games as a child?"},
    {4, SectionId::Childhood, 4, "Lived", "txtLived", "lblLived", "frmChildhood1", "Where did you live growing up?  If you moved during your childhood, which home was your favorite, and why?"},
    {5, SectionId::Childhood, 5, "Hobbies", "txtHobbies", "lblHobbies", "frmChildhood1", "What were your hobbies as a child?"},
    {6, SectionId::Childhood, 6, "School", "txtSchool", "lblSchool", "frmChildhood2", "Did you like school as a child?  What were your favorite classes?  Your least favorite?"},
    {7, SectionId::Childhood, 7, "Differences", "txtDifferences", "lblDifferences", "frmChildhood2", "We each grew up in different times.  What do you think was the biggest difference between your childhood and mine?"},
    {8, SectionId::Childhood, 8, "Friends", "txtFriends", "lblFriends", "frmChildhood2", "Who were your best childhood friends?  Why?"},
    {9, SectionId::Childhood, 9, "Siblings", "txtSiblings", "lblSiblings", "frmChildhood2", "Did you and your siblings get along?"},
    {10, SectionId::Childhood, 10, "Parents", "txtParents", "lblParents", "frmChildhood2", "Were your parents strict?  How?"},
    {11, SectionId::HighSch, 1, "GoHighSch", "txtGoHighSch", "lblGoHighSch", "frmHighSch1", "Where did you go to high school?"},
    {12, SectionId::HighSch, 2, "Grad", "txtGrad", "lblGrad", "frmHighSch1", "When did you finish high school?"},
    {13, SectionId::HighSch, 3, "Classes", "txtClasses", "lblClasses", "frmHighSch1", "What were your favorite classes in high school?"},
    {14, SectionId::HighSch, 4, "AfterSch", "txtAfterSch", "lblAfterSch", "frmHighSch1", "What were your favorite after-school activities?"},
    {15, SectionId::HighSch, 5, "Clubs", "txtClubs", "lblClubs", "frmHighSch1", "Did you belong to any clubs or organizations while you were in high school?"},
    {16, SectionId::HighSch, 6, "Sports", "txtSports", "lblSports", "frmHighSch2", "Did you play any sports while in high school, whether on a team or for fun?"},
    {17, SectionId::HighSch, 7, "Hobbies", "txtHobbies", "lblHobbies", "frmHighSch2", "What were your favorite hobbies when you were in high school?"},
    {18, SectionId::HighSch, 8, "AfterGrad", "txtAfterGrad", "lblAfterGrad", "frmHighSch2", "What was it you couldn't wait to do once you got out of high school?"},
    {19, SectionId::FirstCar, 1, "Car", "txtCar", "lblCar", "frmFirstCar", "What was your first car?  (Make, model, year, color, etc.)"},
    {20, SectionId::FirstCar, 2, "WhenGet", "txtWhenGet", "lblWhenGet", "frmFirstCar", "When did you get your first car (year)?  How old were you?"},
    {21, SectionId::FirstCar, 3, "Like", "txtGetting", "lblGetting", "frmFirstCar", "What was it like, getting your first car?"},
    {22, SectionId::FirstCar, 4, "Length", "txtLength", "lblLength", "frmFirstCar", "How long did you have your first car?  Why did you get rid of it?"},
    {23, SectionId::FirstCar, 5, "Stories", "txtStories", "lblStories", "frmFirstCar", "Do you have any interesting stories about your first car?"},
    {24, SectionId::Volunteer, 1, "Volunteer", "txtVolun", "lblVolunteer", "frmVolun1", "Did you ever do any volunteer work?  (Yes/No, Comments)"},
    {25, SectionId::Volunteer, 2, "WWW", "txtWWW", "lblWWW", "frmVolun1", "When and where did you volunteer?  What did you do?"},
    {26, SectionId::Volunteer, 3, "Skills", "txtSkills", "lblSkills", "frmVolun1", "Did you learn any specific skills from your volunteer experience(s)?"},
    {27, SectionId::Volunteer, 4, "Like", "txtLike", "lblLike", "frmVolun1", "What did you like or dislike about your volunteer job(s)?"},
    {28, SectionId::Volunteer, 5, "Wanted", "txtWanted", "lblWanted", "frmVolun1", "Was there a job or place you would have liked to have volunteered growing up?"},
    {29, SectionId::Jobs, 1, "FirstJob", "txtFirstJob", "lblFirstJob", "frmJobs", "What was your first job?  Please tell me about it."},
    {30, SectionId::Jobs, 2, "Best", "txtBest", "lblBest", "frmJobs", "What was the best job you ever had?  Why?"},
    {31, SectionId::Jobs, 3, "Worst", "txtWorst", "lblWorst", "frmJobs", "What was the worst job you ever had?  Why?"},
    {32, SectionId::Jobs, 4, "Want", "txtWant", "lblWant", "frmJobs", "Is there a job you haven't had yet that you would like to have?"},
    {33, SectionId::Jobs, 5, "Dream", "txtDream", "lblDream", "frmJobs", "What would your dream job be?"},
    {34, SectionId::College, 1, "WhereWhen", "txtWhereWent", "lblWhereWhen", "frmCollege1", "Did you go to college?  If yes, where and when?"},
    {35, SectionId::College, 2, "Scholarship", "txtScholarship", "lblScholarship", "frmCollege1", "Did you receive any college scholarships?"},
    {36, SectionId::College, 3, "Major", "txtMajor", "lblMajor", "frmCollege1", "What were your major(s), minor(s), and/or field(s) of study?"},
    {37, SectionId::College, 4, "Favorite", "txtFavorite", "lblFavorite", "frmCollege1", "What were your favorite college classes?"},
    {38, SectionId::College, 5, "Best", "txtBest", "lblBest", "frmCollege2", "What did you like best about going to college?"},
    {39, SectionId::College, 6, "Least", "txtLeast", "lblLeast", "frmCollege2", "What did you like least about going to college?"},
    {40, SectionId::College, 7, "Graduate", "txtGraduate", "lblGraduate", "frmCollege2", "Did you graduate from college?  If yes, when? Did you go through the ceremony?  Who was there to watch you?  Do you remember anything specific about the ceremony?"},
    {41, SectionId::College, 8, "NotGrad", "txtNotGrad", "lblNotGrad", "frmCollege3", "If you didn't graduate, was there a reason why?  How many years did you attend college?  Would you like to go back?"},
    {42, SectionId::College, 9, "Orgs", "txtOrgs", "lblOrgs", "frmCollege3", "Did you belong to any organizations while you were in college?"},
    {43, SectionId::College, 10, "Sports", "txtSports", "lblSports", "frmCollege3", "Did you play any sports while you were in college?  Were you on any teams?"},
    {44, SectionId::College, 11, "Stories", "txtStories", "lblStories", "frmCollege3", "Are there any stories about college that you'd like to tell me?"},
    {45, SectionId::Military, 1, "Military", "txtMilitary", "lblMilitary", "frmMilitary1", "Were you in the military?  If yes, when?  What was your job?"},
    {46, SectionId::Military, 2, "War", "txtWar", "lblWar", "frmMilitary1", "Did you fight in and/or serve during a war?  Whether you did or not, please comment about your feelings on this topic."},
    {47, SectionId::Military, 3, "Duties", "txtDuties", "lblDuties", "frmMilitary1", "If you did serve during a war, which war was it?  What was it like?  What were your duties?"},
    {48, SectionId::Military, 4, "Where", "txtWhere", "lblWhere", "frmMilitary2", "If applicable, what countries did you see?"},
    {49, SectionId::Military, 5, "People", "txtPeople", "lblPeople", "frmMilitary2", "Did you get to see anyone famous during this time?"},
    {50, SectionId::Military, 6, "Friends", "txtFriends", "lblFriends", "frmMilitary2", "Are you still friends with anyone you met during the time you were in the military?"},
    {51, SectionId::Military, 7, "Events", "txtEvents", "lblEvents", "frmMilitary2", "Did anything happen during the time you were serving in the military that you wish you hadn't missed?"},
    {52, SectionId::Wedding, 1, "Meet", "txtMeet", "lblMeet", "frmWedding1", "How did you two meet?  How long before you got engaged?  Before you got married?"},
    {53, SectionId::Wedding, 2, "Where", "txtWhere", "lblWhere", "frmWedding1", "When and where did you get married?"},
    {54, SectionId::Wedding, 3, "Ceremony", "txtCeremony", "lblCeremony", "frmWedding1", "What was your wedding ceremony like?"},
    {55, SectionId::Wedding, 4, "Reception", "txtReception", "lblReception", "frmWedding1", "Did you have a reception?  If yes, what was it like?"},
    {56, SectionId::Wedding, 5, "Size", "txtSize", "lblSize", "frmWedding1", "Were your wedding and reception large or small?"},
    {57, SectionId::Wedding, 6, "Stories", "txtStories", "lblStories", "frmWedding2", "Do you remember any funny stories about your wedding and/or reception?"},
    {58, SectionId::Wedding, 7, "Honeymoon", "txtHoneymoon", "lblHoneymoon", "frmWedding2", "Where did you go on your honeymoon and how long was it?"},
    {59, SectionId::Wedding, 8, "HStories", "txtHStories", "lblHStories", "frmWedding2", "Do you remember any funny stories about your honeymoon?"},
    {60, SectionId::Wedding, 9, "Advice", "txtAdvice", "lblAdvice", "frmWedding2", "Do you have any marital advice for me?"},
    {61, SectionId::Travel, 1, "Countries", "txtCountries", "lblCountries", "frmTravel1", "What other countries have you been to?"},
    {62, SectionId::Travel, 2, "Like", "txtLike", "lblLike", "frmTravel1", "What did you like about each one?"},
    {63, SectionId::Travel, 3, "NotLike", "txtNotLike", "lblNotLike", "frmTravel1", "What didn't you like about each one?"},
    {64, SectionId::Travel, 4, "Here", "txtHere", "lblHere", "frmTravel1", "What is your favorite part of this country?  Why?"},
    {65, SectionId::Travel, 5, "Vacation", "txtVacation", "lblVacation", "frmTravel2", "What was the best vacation you ever took?  What made it special?"},
    {66, SectionId::Travel, 6, "Future", "txtFuture", "lblFuture", "frmTravel2", "Where would you like to travel to in the future?"},
    {67, SectionId::Travel, 7, "Free", "txtFree", "lblFree", "frmTravel2", "If you could go anywhere in the world, for free, where would you go and why?  And/or what would your dream vacation be?"},
    {68, SectionId::Life, 1, "Change", "txtChange", "lblChange", "frmLife1", "If you could change anything about your life, what would it be?"},
    {69, SectionId::Life, 2, "Goals", "txtGoals", "lblGoals", "frmLife1", "What are some of your goals and/or plans for the future?"},
    {70, SectionId::Life, 3, "Advice", "txtAdvice", "lblAdvice", "frmLife1", "What advice about life can you give me?"},
    {71, SectionId::Life, 4, "Books", "txtBooks", "lblBooks", "frmLife2", "What kinds of books and/or magazines do you like to read?"},
    {72, SectionId::Life, 5, "Hobbies", "txtHobbies", "lblHobbies", "frmLife2", "What are your hobbies now?"},
    {73, SectionId::Life, 6, "Learn", "txtLearn", "lblLearn", "frmLife2", "Is there anything you'd like to learn how to do?"},
    {74, SectionId::Final, 1, "Self", "txtSelf", "lblSelf", "frmFinal", "What about yourself would you especially like me to know?"},
    {75, SectionId::Final, 2, "Advice", "txtAdvice", "lblAdvice", "frmFinal", "Do you have any advice you've been meaning to give me?"},
    {76, SectionId::Final, 3, "Questions", "txtQuestions", "lblQuestions", "frmFinal", "What question(s) do you wish I had asked?  What are the answers to these questions?"},
    {77, SectionId::Final, 4, "Comments", "txtComments", "lblComments", "frmFinal", "Any final comments?"},
}};

} // namespace

bool QuestionInfo::alwaysText() const
{
    // One question per section starts as the empty text rather than with no value.
    static constexpr std::array<int, kSectionCount> kAlwaysText{10, 18, 23, 26, 33, 44, 51, 60, 67, 72, 77};
    return std::find(kAlwaysText.begin(), kAlwaysText.end(), number) != kAlwaysText.end();
}

namespace QuestionCatalogue {

std::span<const QuestionInfo> questions() { return kQuestions; }
std::span<const SectionInfo> sections() { return kSections; }

const QuestionInfo &question(int number)
{
    Q_ASSERT(number >= 1 && number <= kQuestionCount);
    return kQuestions[number - 1];
}

const SectionInfo &section(SectionId id) { return kSections[static_cast<int>(id)]; }

std::span<const QuestionInfo> questionsOf(SectionId id)
{
    const SectionInfo &s = section(id);
    return std::span<const QuestionInfo>(kQuestions).subspan(s.firstQuestion - 1, s.size);
}

int numberOf(const QuestionKey &key)
{
    for (const QuestionInfo &q : questionsOf(key.section)) {
        if (key.item == QLatin1String(q.itemKey) || key.item == QLatin1String(q.textBox + 3))
            return q.number;
    }
    return 0;
}

int numberOfTextBox(const QString &entryWindow, const QString &textBox)
{
    for (const QuestionInfo &q : kQuestions) {
        if (entryWindow == QLatin1String(q.entryWindow) && textBox == QLatin1String(q.textBox))
            return q.number;
    }
    return 0;
}

QStringList entryWindowsOf(SectionId id)
{
    QStringList pages;
    for (const QuestionInfo &q : questionsOf(id)) {
        const QString w = QString::fromLatin1(q.entryWindow);
        if (!pages.contains(w))
            pages << w;
    }
    return pages;
}

QString sectionName(SectionId id) { return QString::fromLatin1(section(id).name); }

} // namespace QuestionCatalogue
