#pragma once
// The windows of the questionnaire as the user must find them, written out independently of
// the program's own tables so that a slip in either shows up.

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace expected {

struct Overview {
    const char *name;
    const char *caption;
    int width, height;           // client area, twips
    int returnLeft, returnTop;
    int labelWidth;
    std::initializer_list<const char *> pages;
    bool publicSecondOpener;     // frm2 opens the second page
};

struct OverviewRow {
    const char *window;
    int row;
    int question;
    const char *item;
    int top, labelHeight;
    const char *opens;
};

struct Page {
    const char *name;
    const char *caption;
    char layout;                 // 'A' .. 'D'
    int width, height;
    const char *returnShows;
};

// One per text box, in tab order within its page.
struct PageBox {
    const char *window;
    const char *frame;
    char place;                  // 'L'eft column, 'R'ight column, 'B'ottom band
    const char *label;
    const char *textBox;
    int question;
};

inline const Overview overviews[] = {
    {"frmChildMain", "Kinscribe - Childhood", 6885, 5295, 5040, 4680, 6225, {"frmChildhood1", "frmChildhood2"}, false},
    {"frmHighSchMain", "Kinscribe - High School", 6825, 4470, 4920, 3840, 6225, {"frmHighSch1", "frmHighSch2"}, true},
    {"frmCarMain", "Kinscribe - First Car", 6765, 2640, 4920, 2040, 6225, {"frmFirstCar"}, false},
    {"frmVolunMain", "Kinscribe - Volunteering", 6765, 3045, 4920, 2400, 6225, {"frmVolun1"}, false},
    {"frmJobsMain", "Kinscribe - Jobs", 6525, 2565, 4680, 1920, 5865, {"frmJobs"}, false},
    {"frmCollegeMain", "Kinscribe - College", 6810, 5520, 5040, 4920, 6225, {"frmCollege1", "frmCollege2", "frmCollege3"}, false},
    {"frmMilitaryMain", "Kinscribe - Military", 6825, 4215, 4920, 3600, 6225, {"frmMilitary1", "frmMilitary2"}, true},
    {"frmWeddingMain", "Kinscribe - Wedding", 6765, 4470, 4920, 3840, 6225, {"frmWedding1", "frmWedding2"}, false},
    {"frmTravelMain", "Kinscribe - Travel", 6780, 3705, 4920, 3120, 6225, {"frmTravel1", "frmTravel2"}, false},
    {"frmLifeMain", "Kinscribe - Life in General", 6690, 3000, 4800, 2400, 6225, {"frmLife1", "frmLife2"}, false},
    {"frmFinalMain", "Kinscribe - Final Thoughts", 6270, 2535, 4440, 1920, 5745, {"frmFinal"}, false},
};

// Labels wider or narrower than their window's label width.
inline int overviewLabelWidth(const char *window, const char *item, int windowWidth)
{
    const QString w = QString::fromLatin1(window), i = QString::fromLatin1(item);
    if (w == QLatin1String("frmChildMain") && i == QLatin1String("Hobbies"))
        return 6105;
    if (w == QLatin1String("frmJobsMain") && i == QLatin1String("Want"))
        return 5985;
    return windowWidth;
}

inline const OverviewRow overviewRows[] = {
    {"frmChildMain", 1, 1, "GrowUp", 120, 495, "frmChildhood1"},
    {"frmChildMain", 2, 2, "Toys", 720, 255, "frmChildhood1"},
    {"frmChildMain", 3, 3, "Games", 1080, 255, "frmChildhood1"},
    {"frmChildMain", 4, 4, "Lived", 1440, 495, "frmChildhood1"},
    {"frmChildMain", 5, 5, "Hobbies", 2040, 255, "frmChildhood1"},
    {"frmChildMain", 6, 6, "School", 2400, 495, "frmChildhood2"},
    {"frmChildMain", 7, 7, "Differences", 3000, 495, "frmChildhood2"},
    {"frmChildMain", 8, 8, "Friends", 3600, 255, "frmChildhood2"},
    {"frmChildMain", 9, 9, "Siblings", 3960, 255, "frmChildhood2"},
    {"frmChildMain", 10, 10, "Parents", 4320, 255, "frmChildhood2"},
    {"frmHighSchMain", 1, 11, "GoHighSch", 120, 255, "frmHighSch1"},
    {"frmHighSchMain", 2, 12, "Grad", 480, 255, "frmHighSch1"},
    {"frmHighSchMain", 3, 13, "Classes", 840, 255, "frmHighSch1"},
    {"frmHighSchMain", 4, 14, "AfterSch", 1200, 255, "frmHighSch1"},
    {"frmHighSchMain", 5, 15, "Clubs", 1560, 495, "frmHighSch1"},
    {"frmHighSchMain", 6, 16, "Sports", 2160, 495, "frmHighSch2"},
    {"frmHighSchMain", 7, 17, "Hobbies", 2760, 255, "frmHighSch2"},
    {"frmHighSchMain", 8, 18, "AfterGrad", 3120, 495, "frmHighSch2"},
    {"frmCarMain", 1, 19, "Car", 120, 255, "frmFirstCar"},
    {"frmCarMain", 2, 20, "WhenGet", 480, 255, "frmFirstCar"},
    {"frmCarMain", 3, 21, "Like", 840, 255, "frmFirstCar"},
    {"frmCarMain", 4, 22, "Length", 1200, 255, "frmFirstCar"},
    {"frmCarMain", 5, 23, "Stories", 1560, 255, "frmFirstCar"},
    {"frmVolunMain", 1, 24, "Volunteer", 120, 255, "frmVolun1"},
    {"frmVolunMain", 2, 25, "WWW", 480, 255, "frmVolun1"},
    {"frmVolunMain", 3, 26, "Skills", 840, 495, "frmVolun1"},
    {"frmVolunMain", 4, 27, "Like", 1440, 255, "frmVolun1"},
    {"frmVolunMain", 5, 28, "Wanted", 1800, 495, "frmVolun1"},
    {"frmJobsMain", 1, 29, "FirstJob", 120, 255, "frmJobs"},
    {"frmJobsMain", 2, 30, "Best", 480, 255, "frmJobs"},
    {"frmJobsMain", 3, 31, "Worst", 840, 255, "frmJobs"},
    {"frmJobsMain", 4, 32, "Want", 1200, 255, "frmJobs"},
    {"frmJobsMain", 5, 33, "Dream", 1560, 255, "frmJobs"},
    {"frmCollegeMain", 1, 34, "WhereWhen", 120, 255, "frmCollege1"},
    {"frmCollegeMain", 2, 35, "Scholarship", 480, 255, "frmCollege1"},
    {"frmCollegeMain", 3, 36, "Major", 840, 255, "frmCollege1"},
    {"frmCollegeMain", 4, 37, "Favorite", 1200, 255, "frmCollege1"},
    {"frmCollegeMain", 5, 38, "Best", 1560, 255, "frmCollege2"},
    {"frmCollegeMain", 6, 39, "Least", 1920, 255, "frmCollege2"},
    {"frmCollegeMain", 7, 40, "Graduate", 2280, 735, "frmCollege2"},
    {"frmCollegeMain", 8, 41, "NotGrad", 3120, 495, "frmCollege3"},
    {"frmCollegeMain", 9, 42, "Orgs", 3720, 255, "frmCollege3"},
    {"frmCollegeMain", 10, 43, "Sports", 4080, 495, "frmCollege3"},
    {"frmCollegeMain", 11, 44, "Stories", 4560, 255, "frmCollege3"},
    {"frmMilitaryMain", 1, 45, "Military", 120, 255, "frmMilitary1"},
    {"frmMilitaryMain", 2, 46, "War", 480, 495, "frmMilitary1"},
    {"frmMilitaryMain", 3, 47, "Duties", 1080, 495, "frmMilitary1"},
    {"frmMilitaryMain", 4, 48, "Where", 1680, 255, "frmMilitary2"},
    {"frmMilitaryMain", 5, 49, "People", 2040, 375, "frmMilitary2"},
    {"frmMilitaryMain", 6, 50, "Friends", 2400, 495, "frmMilitary2"},
    {"frmMilitaryMain", 7, 51, "Events", 3000, 495, "frmMilitary2"},
    {"frmWeddingMain", 1, 52, "Meet", 120, 495, "frmWedding1"},
    {"frmWeddingMain", 2, 53, "Where", 720, 255, "frmWedding1"},
    {"frmWeddingMain", 3, 54, "Ceremony", 1080, 255, "frmWedding1"},
    {"frmWeddingMain", 4, 55, "Reception", 1440, 255, "frmWedding1"},
    {"frmWeddingMain", 5, 56, "Size", 1800, 255, "frmWedding1"},
    {"frmWeddingMain", 6, 57, "Stories", 2160, 495, "frmWedding2"},
    {"frmWeddingMain", 7, 58, "Honeymoon", 2760, 255, "frmWedding2"},
    {"frmWeddingMain", 8, 59, "HStories", 3120, 375, "frmWedding2"},
    {"frmWeddingMain", 9, 60, "Advice", 3480, 375, "frmWedding2"},
    {"frmTravelMain", 1, 61, "Countries", 120, 255, "frmTravel1"},
    {"frmTravelMain", 2, 62, "Like", 480, 255, "frmTravel1"},
    {"frmTravelMain", 3, 63, "NotLike", 840, 255, "frmTravel1"},
    {"frmTravelMain", 4, 64, "Here", 1200, 255, "frmTravel1"},
    {"frmTravelMain", 5, 65, "Vacation", 1560, 495, "frmTravel2"},
    {"frmTravelMain", 6, 66, "Future", 2160, 375, "frmTravel2"},
    {"frmTravelMain", 7, 67, "Free", 2520, 495, "frmTravel2"},
    {"frmLifeMain", 1, 68, "Change", 120, 255, "frmLife1"},
    {"frmLifeMain", 2, 69, "Goals", 480, 255, "frmLife1"},
    {"frmLifeMain", 3, 70, "Advice", 840, 255, "frmLife1"},
    {"frmLifeMain", 4, 71, "Books", 1200, 255, "frmLife2"},
    {"frmLifeMain", 5, 72, "Hobbies", 1560, 375, "frmLife2"},
    {"frmLifeMain", 6, 73, "Learn", 1920, 375, "frmLife2"},
    {"frmFinalMain", 1, 74, "Self", 120, 255, "frmFinal"},
    {"frmFinalMain", 2, 75, "Advice", 480, 255, "frmFinal"},
    {"frmFinalMain", 3, 76, "Questions", 840, 495, "frmFinal"},
    {"frmFinalMain", 4, 77, "Comments", 1440, 255, "frmFinal"},
};

inline const Page pages[] = {
    {"frmChildhood1", "Kinscribe - Childhood #1", 'A', 6630, 5820, "frmChildMain"},
    {"frmChildhood2", "Kinscribe - Childhood #2", 'A', 6660, 5550, "frmChildMain"},
    {"frmHighSch1", "Kinscribe - High School #1", 'A', 6645, 5670, "frmHighSchMain"},
    {"frmHighSch2", "Kinscribe - High School #2", 'B', 6600, 3735, "frmHighSchMain"},
    {"frmFirstCar", "Kinscribe - First Car", 'A', 6645, 5550, "frmCarMain"},
    {"frmVolun1", "Kinscribe - Volunteering", 'A', 6645, 5580, "frmVolunMain"},
    {"frmJobs", "Kinscribe - Jobs", 'A', 6660, 5550, "frmJobsMain"},
    {"frmCollege1", "Kinscribe - College #1", 'C', 6645, 4815, "frmCollegeMain"},
    {"frmCollege2", "Kinscribe - College #2", 'D', 6675, 3990, "frmCollegeMain"},
    {"frmCollege3", "Kinscribe - College #3", 'C', 6630, 5265, "frmCollegeMain"},
    {"frmMilitary1", "Kinscribe - Military #1", 'B', 6765, 4020, "frmMilitaryMain"},
    {"frmMilitary2", "Kinscribe - Military #2", 'C', 6630, 4950, "frmMilitaryMain"},
    {"frmWedding1", "Kinscribe - Wedding #1", 'A', 6615, 5550, "frmWeddingMain"},
    {"frmWedding2", "Kinscribe - Wedding #2", 'C', 6660, 5040, "frmWeddingMain"},
    {"frmTravel1", "Kinscribe - Travel #1", 'C', 6615, 4680, "frmTravelMain"},
    {"frmTravel2", "Kinscribe - Travel #2", 'B', 6645, 4350, "frmTravelMain"},
    {"frmLife1", "Kinscribe - Life in General #1", 'B', 6615, 3750, "frmLifeMain"},
    {"frmLife2", "Kinscribe - Life in General #2", 'B', 6660, 3750, "frmLifeMain"},
    {"frmFinal", "Kinscribe - Final Thoughts", 'C', 6630, 4815, "frmFinalMain"},
};

inline const PageBox pageBoxes[] = {
    {"frmChildhood1", "Frame1", 'L', "lblGrowUp", "txtGrowUp", 1},
    {"frmChildhood1", "Frame1", 'L', "lblToys", "txtToys", 2},
    {"frmChildhood1", "Frame2", 'R', "lblGames", "txtGames", 3},
    {"frmChildhood1", "Frame2", 'R', "lblHobbies", "txtHobbies", 5},
    {"frmChildhood1", "Frame3", 'B', "lblLived", "txtLived", 4},
    {"frmChildhood2", "Frame1", 'L', "lblSchool", "txtSchool", 6},
    {"frmChildhood2", "Frame1", 'L', "lblFriends", "txtFriends", 8},
    {"frmChildhood2", "Frame2", 'R', "lblDifferences", "txtDifferences", 7},
    {"frmChildhood2", "Frame2", 'R', "lblSiblings", "txtSiblings", 9},
    {"frmChildhood2", "Frame3", 'B', "lblParents", "txtParents", 10},
    {"frmHighSch1", "Frame1", 'L', "lblGoHighSch", "txtGoHighSch", 11},
    {"frmHighSch1", "Frame1", 'L', "lblGrad", "txtGrad", 12},
    {"frmHighSch1", "Frame2", 'R', "lblClasses", "txtClasses", 13},
    {"frmHighSch1", "Frame2", 'R', "lblAfterSch", "txtAfterSch", 14},
    {"frmHighSch1", "Frame3", 'B', "lblClubs", "txtClubs", 15},
    {"frmHighSch2", "Frame2", 'L', "lblSports", "txtSports", 16},
    {"frmHighSch2", "Frame3", 'R', "lblHobbies", "txtHobbies", 17},
    {"frmHighSch2", "Frame1", 'B', "lblAfterGrad", "txtAfterGrad", 18},
    {"frmFirstCar", "Frame1", 'L', "lblCar", "txtCar", 19},
    {"frmFirstCar", "Frame1", 'L', "lblWhenGet", "txtWhenGet", 20},
    {"frmFirstCar", "Frame3", 'B', "lblGetting", "txtGetting", 21},
    {"frmFirstCar", "Frame2", 'R', "lblLength", "txtLength", 22},
    {"frmFirstCar", "Frame2", 'R', "lblStories", "txtStories", 23},
    {"frmVolun1", "Frame1", 'L', "lblVolunteer", "txtVolun", 24},
    {"frmVolun1", "Frame1", 'L', "lblWWW", "txtWWW", 25},
    {"frmVolun1", "Frame3", 'B', "lblSkills", "txtSkills", 26},
    {"frmVolun1", "Frame2", 'R', "lblLike", "txtLike", 27},
    {"frmVolun1", "Frame2", 'R', "lblWanted", "txtWanted", 28},
    {"frmJobs", "Frame1", 'L', "lblFirstJob", "txtFirstJob", 29},
    {"frmJobs", "Frame1", 'L', "lblBest", "txtBest", 30},
    {"frmJobs", "Frame2", 'R', "lblWorst", "txtWorst", 31},
    {"frmJobs", "Frame2", 'R', "lblWant", "txtWant", 32},
    {"frmJobs", "Frame3", 'B', "lblDream", "txtDream", 33},
    {"frmCollege1", "Frame1", 'L', "lblWhereWhen", "txtWhereWent", 34},
    {"frmCollege1", "Frame1", 'L', "lblScholarship", "txtScholarship", 35},
    {"frmCollege1", "Frame2", 'R', "lblMajor", "txtMajor", 36},
    {"frmCollege1", "Frame2", 'R', "lblFavorite", "txtFavorite", 37},
    {"frmCollege2", "Frame1", 'L', "lblBest", "txtBest", 38},
    {"frmCollege2", "Frame1", 'L', "lblLeast", "txtLeast", 39},
    {"frmCollege2", "Frame2", 'R', "lblGraduate", "txtGraduate", 40},
    {"frmCollege3", "Frame1", 'L', "lblNotGrad", "txtNotGrad", 41},
    {"frmCollege3", "Frame1", 'L', "lblOrgs", "txtOrgs", 42},
    {"frmCollege3", "Frame2", 'R', "lblSports", "txtSports", 43},
    {"frmCollege3", "Frame2", 'R', "lblStories", "txtStories", 44},
    {"frmMilitary1", "Frame2", 'L', "lblMilitary", "txtMilitary", 45},
    {"frmMilitary1", "Frame3", 'R', "lblWar", "txtWar", 46},
    {"frmMilitary1", "Frame1", 'B', "lblDuties", "txtDuties", 47},
    {"frmMilitary2", "Frame1", 'L', "lblWhere", "txtWhere", 48},
    {"frmMilitary2", "Frame1", 'L', "lblFriends", "txtFriends", 50},
    {"frmMilitary2", "Frame2", 'R', "lblPeople", "txtPeople", 49},
    {"frmMilitary2", "Frame2", 'R', "lblEvents", "txtEvents", 51},
    {"frmWedding1", "Frame1", 'L', "lblMeet", "txtMeet", 52},
    {"frmWedding1", "Frame1", 'L', "lblWhere", "txtWhere", 53},
    {"frmWedding1", "Frame2", 'R', "lblCeremony", "txtCeremony", 54},
    {"frmWedding1", "Frame2", 'R', "lblReception", "txtReception", 55},
    {"frmWedding1", "Frame3", 'B', "lblSize", "txtSize", 56},
    {"frmWedding2", "Frame1", 'L', "lblStories", "txtStories", 57},
    {"frmWedding2", "Frame1", 'L', "lblHoneymoon", "txtHoneymoon", 58},
    {"frmWedding2", "Frame2", 'R', "lblHStories", "txtHStories", 59},
    {"frmWedding2", "Frame2", 'R', "lblAdvice", "txtAdvice", 60},
    {"frmTravel1", "Frame1", 'L', "lblCountries", "txtCountries", 61},
    {"frmTravel1", "Frame1", 'L', "lblLike", "txtLike", 62},
    {"frmTravel1", "Frame2", 'R', "lblNotLike", "txtNotLike", 63},
    {"frmTravel1", "Frame2", 'R', "lblHere", "txtHere", 64},
    {"frmTravel2", "Frame1", 'L', "lblVacation", "txtVacation", 65},
    {"frmTravel2", "Frame3", 'R', "lblFuture", "txtFuture", 66},
    {"frmTravel2", "Frame2", 'B', "lblFree", "txtFree", 67},
    {"frmLife1", "Frame2", 'L', "lblChange", "txtChange", 68},
    {"frmLife1", "Frame3", 'R', "lblGoals", "txtGoals", 69},
    {"frmLife1", "Frame1", 'B', "lblAdvice", "txtAdvice", 70},
    {"frmLife2", "Frame2", 'L', "lblBooks", "txtBooks", 71},
    {"frmLife2", "Frame1", 'B', "lblHobbies", "txtHobbies", 72},
    {"frmLife2", "Frame3", 'R', "lblLearn", "txtLearn", 73},
    {"frmFinal", "Frame1", 'L', "lblSelf", "txtSelf", 74},
    {"frmFinal", "Frame1", 'L', "lblAdvice", "txtAdvice", 75},
    {"frmFinal", "Frame2", 'R', "lblQuestions", "txtQuestions", 76},
    {"frmFinal", "Frame2", 'R', "lblComments", "txtComments", 77},
};

// The two page labels whose wording differs from the question text.
inline const char *const livedCaption =
    "Where did you live grow- ing up?  If you moved during your childhood, which home was your favorite, and why?";
inline const char *const graduateCaption =
    "Did you graduate from college?  If yes, when? Did you go through the ceremony? Who was there to watch you?  "
    "Do you remember anything specific about the ceremony?";

} // namespace expected
