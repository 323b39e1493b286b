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
    {"Frame1", P::Left, "txtGrowUp", 3},
    {"Frame1", P::Left, "txtToys", 2},
    {"Frame2", P::Right, "txtGames", 2},
    {"Frame2", P::Right, "txtHobbies", 2},
    {"Frame3", P::Band, "txtLived", 7, kLivedCaption},
};
constexpr PageBox kChildhood2[] = {
    {"Frame1", P::Left, "txtSchool", 3},
    {"Frame1", P::Left, "txtFriends", 2},
    {"Frame2", P::Right, "txtDifferences", 4},
    {"Frame2", P::Right, "txtSiblings", 2},
    {"Frame3", P::Band, "txtParents", 2},
};
constexpr PageBox kHighSch1[] = {
    {"Frame1", P::Left, "txtGoHighSch", 2},
    {"Frame1", P::Left, "txtGrad", 2},
    {"Frame2", P::Right, "txtClasses", 2},
    {"Frame2", P::Right, "txtAfterSch", 2},
    {"Frame3", P::Band, "txtClubs", 5},
};
constexpr PageBox kHighSch2[] = {
    {"Frame2", P::Left, "txtSports", 3},
    {"Frame3", P::Right, "txtHobbies", 3},
    {"Frame1", P::Band, "txtAfterGrad", 4},
};
constexpr PageBox kFirstCar[] = {
    {"Frame1", P::Left, "txtCar", 2},
    {"Frame1", P::Left, "txtWhenGet", 2},
    {"Frame3", P::Band, "txtGetting", 3},
    {"Frame2", P::Right, "txtLength", 3},
    {"Frame2", P::Right, "txtStories", 2},
};
constexpr PageBox kVolun1[] = {
    {"Frame1", P::Left, "txtVolun", 2},
    {"Frame1", P::Left, "txtWWW", 2},
    {"Frame3", P::Band, "txtSkills", 4},
    {"Frame2", P::Right, "txtLike", 2},
    {"Frame2", P::Right, "txtWanted", 3},
};
constexpr PageBox kJobs[] = {
    {"Frame1", P::Left, "txtFirstJob", 2},
    {"Frame1", P::Left, "txtBest", 2},
    {"Frame2", P::Right, "txtWorst", 2},
    {"Frame2", P::Right, "txtWant", 3},
    {"Frame3", P::Band, "txtDream", 2},
};
constexpr PageBox kCollege1[] = {
    {"Frame1", P::Left, "txtWhereWent", 2},
    {"Frame1", P::Left, "txtScholarship", 2},
    {"Frame2", P::Right, "txtMajor", 3},
    {"Frame2", P::Right, "txtFavorite", 2},
};
constexpr PageBox kCollege2[] = {
    {"Frame1", P::Left, "txtBest", 2},
    {"Frame1", P::Left, "txtLeast", 2},
    {"Frame2", P::Right, "txtGraduate", 6, kGraduateCaption},
};
constexpr PageBox kCollege3[] = {
    {"Frame1", P::Left, "txtNotGrad", 5},
    {"Frame1", P::Left, "txtOrgs", 3},
    {"Frame2", P::Right, "txtSports", 3},
    {"Frame2", P::Right, "txtStories", 3},
};
constexpr PageBox kMilitary1[] = {
    {"Frame2", P::Left, "txtMilitary", 3},
    {"Frame3", P::Right, "txtWar", 4},
    {"Frame1", P::Band, "txtDuties", 5},
};
constexpr PageBox kMilitary2[] = {
    {"Frame1", P::Left, "txtWhere", 2},
    {"Frame1", P::Left, "txtFriends", 3},
    {"Frame2", P::Right, "txtPeople", 2},
    {"Frame2", P::Right, "txtEvents", 4},
};
constexpr PageBox kWedding1[] = {
    {"Frame1", P::Left, "txtMeet", 3},
    {"Frame1", P::Left, "txtWhere", 2},
    {"Frame2", P::Right, "txtCeremony", 2},
    {"Frame2", P::Right, "txtReception", 2},
    {"Frame3", P::Band, "txtSize", 3},
};
constexpr PageBox kWedding2[] = {
    {"Frame1", P::Left, "txtStories", 3},
    {"Frame1", P::Left, "txtHoneymoon", 3},
    {"Frame2", P::Right, "txtHStories", 3},
    {"Frame2", P::Right, "txtAdvice", 2},
};
constexpr PageBox kTravel1[] = {
    {"Frame1", P::Left, "txtCountries", 2},
    {"Frame1", P::Left, "txtLike", 2},
    {"Frame2", P::Right, "txtNotLike", 2},
    {"Frame2", P::Right, "txtHere", 2},
};
constexpr PageBox kTravel2[] = {
    {"Frame1", P::Left, "txtVacation", 3},
    {"Frame3", P::Right, "txtFuture", 2},
    {"Frame2", P::Band, "txtFree", 3},
};
constexpr PageBox kLife1[] = {
    {"Frame2", P::Left, "txtChange", 3},
    {"Frame3", P::Right, "txtGoals", 2},
    {"Frame1", P::Band, "txtAdvice", 3},
};
constexpr PageBox kLife2[] = {
    {"Frame2", P::Left, "txtBooks", 2},
    {"Frame1", P::Band, "txtHobbies", 2},
    {"Frame3", P::Right, "txtLearn", 2},
};
constexpr PageBox kFinal[] = {
    {"Frame1", P::Left, "txtSelf", 2},
    {"Frame1", P::Left, "txtAdvice", 2},
    {"Frame2", P::Right, "txtQuestions", 3},
    {"Frame2", P::Right, "txtComments", 1},
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
