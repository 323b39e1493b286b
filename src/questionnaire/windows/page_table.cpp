#include "questionnaire/windows/page_table.h"

#include <array>

namespace {
using P = BoxPlace;
using L = PageLayout;

constexpr const char *kLivedCaption =
    "Where did you live grow- ing up?  If you moved during your childhood, which home was your favorite, and why?";
constexpr const char *kGraduateCaption =
    "Did you graduate from college?  If yes, when? Did you go through the ceremony? Who was there to watch you?  "
    "Do you remember anything specific about the ceremony?";

constexpr PageBox kChildhood1[] = {
    {"Frame1", P::Left, "lblGrowUp", "txtGrowUp", 3},
    {"Frame1", P::Left, "lblToys", "txtToys", 2},
    {"Frame2", P::Right, "lblGames", "txtGames", 2},
    {"Frame2", P::Right, "lblHobbies", "txtHobbies", 2},
    {"Frame3", P::Band, "lblLived", "txtLived", 7, kLivedCaption},
};
constexpr PageBox kChildhood2[] = {
    {"Frame1", P::Left, "lblSchool", "txtSchool", 3},
    {"Frame1", P::Left, "lblFriends", "txtFriends", 2},
    {"Frame2", P::Right, "lblDifferences", "txtDifferences", 4},
    {"Frame2", P::Right, "lblSiblings", "txtSiblings", 2},
    {"Frame3", P::Band, "lblParents", "txtParents", 2},
};
constexpr PageBox kHighSch1[] = {
    {"Frame1", P::Left, "lblGoHighSch", "txtGoHighSch", 2},
    {"Frame1", P::Left, "lblGrad", "txtGrad", 2},
    {"Frame2", P::Right, "lblClasses", "txtClasses", 2},
    {"Frame2", P::Right, "lblAfterSch", "txtAfterSch", 2},
    {"Frame3", P::Band, "lblClubs", "txtClubs", 5},
};
constexpr PageBox kHighSch2[] = {
    {"Frame2", P::Left, "lblSports", "txtSports", 3},
    {"Frame3", P::Right, "lblHobbies", "txtHobbies", 3},
    {"Frame1", P::Band, "lblAfterGrad", "txtAfterGrad", 4},
};
constexpr PageBox kFirstCar[] = {
    {"Frame1", P::Left, "lblCar", "txtCar", 2},
    {"Frame1", P::Left, "lblWhenGet", "txtWhenGet", 2},
    {"Frame3", P::Band, "lblGetting", "txtGetting", 3},
    {"Frame2", P::Right, "lblLength", "txtLength", 3},
    {"Frame2", P::Right, "lblStories", "txtStories", 2},
};
constexpr PageBox kVolun1[] = {
    {"Frame1", P::Left, "lblVolunteer", "txtVolun", 2},
    {"Frame1", P::Left, "lblWWW", "txtWWW", 2},
    {"Frame3", P::Band, "lblSkills", "txtSkills", 4},
    {"Frame2", P::Right, "lblLike", "txtLike", 2},
    {"Frame2", P::Right, "lblWanted", "txtWanted", 3},
};
constexpr PageBox kJobs[] = {
    {"Frame1", P::Left, "lblFirstJob", "txtFirstJob", 2},
    {"Frame1", P::Left, "lblBest", "txtBest", 2},
    {"Frame2", P::Right, "lblWorst", "txtWorst", 2},
    {"Frame2", P::Right, "lblWant", "txtWant", 3},
    {"Frame3", P::Band, "lblDream", "txtDream", 2},
};
constexpr PageBox kCollege1[] = {
    {"Frame1", P::Left, "lblWhereWhen", "txtWhereWent", 2},
    {"Frame1", P::Left, "lblScholarship", "txtScholarship", 2},
    {"Frame2", P::Right, "lblMajor", "txtMajor", 3},
    {"Frame2", P::Right, "lblFavorite", "txtFavorite", 2},
};
constexpr PageBox kCollege2[] = {
    {"Frame1", P::Left, "lblBest", "txtBest", 2},
    {"Frame1", P::Left, "lblLeast", "txtLeast", 2},
    {"Frame2", P::Right, "lblGraduate", "txtGraduate", 6, kGraduateCaption},
};
constexpr PageBox kCollege3[] = {
    {"Frame1", P::Left, "lblNotGrad", "txtNotGrad", 5},
    {"Frame1", P::Left, "lblOrgs", "txtOrgs", 3},
    {"Frame2", P::Right, "lblSports", "txtSports", 3},
    {"Frame2", P::Right, "lblStories", "txtStories", 3},
};
constexpr PageBox kMilitary1[] = {
    {"Frame2", P::Left, "lblMilitary", "txtMilitary", 3},
    {"Frame3", P::Right, "lblWar", "txtWar", 4},
    {"Frame1", P::Band, "lblDuties", "txtDuties", 5},
};
constexpr PageBox kMilitary2[] = {
    {"Frame1", P::Left, "lblWhere", "txtWhere", 2},
    {"Frame1", P::Left, "lblFriends", "txtFriends", 3},
    {"Frame2", P::Right, "lblPeople", "txtPeople", 2},
    {"Frame2", P::Right, "lblEvents", "txtEvents", 4},
};
constexpr PageBox kWedding1[] = {
    {"Frame1", P::Left, "lblMeet", "txtMeet", 3},
    {"Frame1", P::Left, "lblWhere", "txtWhere", 2},
    {"Frame2", P::Right, "lblCeremony", "txtCeremony", 2},
    {"Frame2", P::Right, "lblReception", "txtReception", 2},
    {"Frame3", P::Band, "lblSize", "txtSize", 3},
};
constexpr PageBox kWedding2[] = {
    {"Frame1", P::Left, "lblStories", "txtStories", 3},
    {"Frame1", P::Left, "lblHoneymoon", "txtHoneymoon", 3},
    {"Frame2", P::Right, "lblHStories", "txtHStories", 3},
    {"Frame2", P::Right, "lblAdvice", "txtAdvice", 2},
};
constexpr PageBox kTravel1[] = {
    {"Frame1", P::Left, "lblCountries", "txtCountries", 2},
    {"Frame1", P::Left, "lblLike", "txtLike", 2},
    {"Frame2", P::Right, "lblNotLike", "txtNotLike", 2},
    {"Frame2", P::Right, "lblHere", "txtHere", 2},
};
constexpr PageBox kTravel2[] = {
    {"Frame1", P::Left, "lblVacation", "txtVacation", 3},
    {"Frame3", P::Right, "lblFuture", "txtFuture", 2},
    {"Frame2", P::Band, "lblFree", "txtFree", 3},
};
constexpr PageBox kLife1[] = {
    {"Frame2", P::Left, "lblChange", "txtChange", 3},
    {"Frame3", P::Right, "lblGoals", "txtGoals", 2},
    {"Frame1", P::Band, "lblAdvice", "txtAdvice", 3},
};
constexpr PageBox kLife2[] = {
    {"Frame2", P::Left, "lblBooks", "txtBooks", 2},
    {"Frame1", P::Band, "lblHobbies", "txtHobbies", 2},
    {"Frame3", P::Right, "lblLearn", "txtLearn", 2},
};
constexpr PageBox kFinal[] = {
    {"Frame1", P::Left, "lblSelf", "txtSelf", 2},
    {"Frame1", P::Left, "lblAdvice", "txtAdvice", 2},
    {"Frame2", P::Right, "lblQuestions", "txtQuestions", 3},
    {"Frame2", P::Right, "lblComments", "txtComments", 1},
};

const std::array<PageWindow, 19> kPages{{
    {"frmChildhood1", "Kinscribe - Childhood #1", L::A, 6630, 5820, "frmChildMain", kChildhood1},
    {"frmChildhood2", "Kinscribe - Childhood #2", L::A, 6660, 5550, "frmChildMain", kChildhood2},
    {"frmHighSch1", "Kinscribe - High School #1", L::A, 6645, 5670, "frmHighSchMain", kHighSch1},
    {"frmHighSch2", "Kinscribe - High School #2", L::B, 6600, 3735, "frmHighSchMain", kHighSch2},
    {"frmFirstCar", "Kinscribe - First Car", L::A, 6645, 5550, "frmCarMain", kFirstCar},
    {"frmVolun1", "Kinscribe - Volunteering", L::A, 6645, 5580, "frmVolunMain", kVolun1},
    {"frmJobs", "Kinscribe - Jobs", L::A, 6660, 5550, "frmJobsMain", kJobs},
    {"frmCollege1", "Kinscribe - College #1", L::C, 6645, 4815, "frmCollegeMain", kCollege1},
    {"frmCollege2", "Kinscribe - College #2", L::D, 6675, 3990, "frmCollegeMain", kCollege2},
    {"frmCollege3", "Kinscribe - College #3", L::C, 6630, 5265, "frmCollegeMain", kCollege3},
    {"frmMilitary1", "Kinscribe - Military #1", L::B, 6765, 4020, "frmMilitaryMain", kMilitary1, 3255, 5175},
    {"frmMilitary2", "Kinscribe - Military #2", L::C, 6630, 4950, "frmMilitaryMain", kMilitary2},
    {"frmWedding1", "Kinscribe - Wedding #1", L::A, 6615, 5550, "frmWeddingMain", kWedding1},
    {"frmWedding2", "Kinscribe - Wedding #2", L::C, 6660, 5040, "frmWeddingMain", kWedding2},
    {"frmTravel1", "Kinscribe - Travel #1", L::C, 6615, 4680, "frmTravelMain", kTravel1},
    {"frmTravel2", "Kinscribe - Travel #2", L::B, 6645, 4350, "frmTravelMain", kTravel2, 3135, 5055, true},
    {"frmLife1", "Kinscribe - Life in General #1", L::B, 6615, 3750, "frmLifeMain", kLife1},
    {"frmLife2", "Kinscribe - Life in General #2", L::B, 6660, 3750, "frmLifeMain", kLife2},
    {"frmFinal", "Kinscribe - Final Thoughts", L::C, 6630, 4815, "frmFinalMain", kFinal},
}};
} // namespace

std::span<const PageWindow> pageWindows() { return kPages; }
