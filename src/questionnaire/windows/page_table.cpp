#include "questionnaire/windows/page_table.h"
#include "questionnaire/catalogue.h"

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
    {"Frame1", P::Left, 1, 3},
    {"Frame1", P::Left, 2, 2},
    {"Frame2", P::Right, 3, 2},
    {"Frame2", P::Right, 5, 2},
    {"Frame3", P::Band, 4, 7, kLivedCaption},
};
constexpr PageBox kChildhood2[] = {
    {"Frame1", P::Left, 6, 3},
    {"Frame1", P::Left, 8, 2},
    {"Frame2", P::Right, 7, 4},
    {"Frame2", P::Right, 9, 2},
    {"Frame3", P::Band, 10, 2},
};
constexpr PageBox kHighSch1[] = {
    {"Frame1", P::Left, 11, 2},
    {"Frame1", P::Left, 12, 2},
    {"Frame2", P::Right, 13, 2},
    {"Frame2", P::Right, 14, 2},
    {"Frame3", P::Band, 15, 5},
};
constexpr PageBox kHighSch2[] = {
    {"Frame2", P::Left, 16, 3},
    {"Frame3", P::Right, 17, 3},
    {"Frame1", P::Band, 18, 4},
};
constexpr PageBox kFirstCar[] = {
    {"Frame1", P::Left, 19, 2},
    {"Frame1", P::Left, 20, 2},
    {"Frame3", P::Band, 21, 3},
    {"Frame2", P::Right, 22, 3},
    {"Frame2", P::Right, 23, 2},
};
constexpr PageBox kVolun1[] = {
    {"Frame1", P::Left, 24, 2},
    {"Frame1", P::Left, 25, 2},
    {"Frame3", P::Band, 26, 4},
    {"Frame2", P::Right, 27, 2},
    {"Frame2", P::Right, 28, 3},
};
constexpr PageBox kJobs[] = {
    {"Frame1", P::Left, 29, 2},
    {"Frame1", P::Left, 30, 2},
    {"Frame2", P::Right, 31, 2},
    {"Frame2", P::Right, 32, 3},
    {"Frame3", P::Band, 33, 2},
};
constexpr PageBox kCollege1[] = {
    {"Frame1", P::Left, 34, 2},
    {"Frame1", P::Left, 35, 2},
    {"Frame2", P::Right, 36, 3},
    {"Frame2", P::Right, 37, 2},
};
constexpr PageBox kCollege2[] = {
    {"Frame1", P::Left, 38, 2},
    {"Frame1", P::Left, 39, 2},
    {"Frame2", P::Right, 40, 6, kGraduateCaption},
};
constexpr PageBox kCollege3[] = {
    {"Frame1", P::Left, 41, 5},
    {"Frame1", P::Left, 42, 3},
    {"Frame2", P::Right, 43, 3},
    {"Frame2", P::Right, 44, 3},
};
constexpr PageBox kMilitary1[] = {
    {"Frame2", P::Left, 45, 3},
    {"Frame3", P::Right, 46, 4},
    {"Frame1", P::Band, 47, 5},
};
constexpr PageBox kMilitary2[] = {
    {"Frame1", P::Left, 48, 2},
    {"Frame1", P::Left, 50, 3},
    {"Frame2", P::Right, 49, 2},
    {"Frame2", P::Right, 51, 4},
};
constexpr PageBox kWedding1[] = {
    {"Frame1", P::Left, 52, 3},
    {"Frame1", P::Left, 53, 2},
    {"Frame2", P::Right, 54, 2},
    {"Frame2", P::Right, 55, 2},
    {"Frame3", P::Band, 56, 3},
};
constexpr PageBox kWedding2[] = {
    {"Frame1", P::Left, 57, 3},
    {"Frame1", P::Left, 58, 3},
    {"Frame2", P::Right, 59, 3},
    {"Frame2", P::Right, 60, 2},
};
constexpr PageBox kTravel1[] = {
    {"Frame1", P::Left, 61, 2},
    {"Frame1", P::Left, 62, 2},
    {"Frame2", P::Right, 63, 2},
    {"Frame2", P::Right, 64, 2},
};
constexpr PageBox kTravel2[] = {
    {"Frame1", P::Left, 65, 3},
    {"Frame3", P::Right, 66, 2},
    {"Frame2", P::Band, 67, 3},
};
constexpr PageBox kLife1[] = {
    {"Frame2", P::Left, 68, 3},
    {"Frame3", P::Right, 69, 2},
    {"Frame1", P::Band, 70, 3},
};
constexpr PageBox kLife2[] = {
    {"Frame2", P::Left, 71, 2},
    {"Frame1", P::Band, 72, 2},
    {"Frame3", P::Right, 73, 2},
};
constexpr PageBox kFinal[] = {
    {"Frame1", P::Left, 74, 2},
    {"Frame1", P::Left, 75, 2},
    {"Frame2", P::Right, 76, 3},
    {"Frame2", P::Right, 77, 1},
};

const std::array<PageWindow, 19> kPages{{
    {"Kinscribe - Childhood #1", L::A, 6630, 5820, kChildhood1},
    {"Kinscribe - Childhood #2", L::A, 6660, 5550, kChildhood2},
    {"Kinscribe - High School #1", L::A, 6645, 5670, kHighSch1},
    {"Kinscribe - High School #2", L::B, 6600, 3735, kHighSch2},
    {"Kinscribe - First Car", L::A, 6645, 5550, kFirstCar},
    {"Kinscribe - Volunteering", L::A, 6645, 5580, kVolun1},
    {"Kinscribe - Jobs", L::A, 6660, 5550, kJobs},
    {"Kinscribe - College #1", L::C, 6645, 4815, kCollege1},
    {"Kinscribe - College #2", L::D, 6675, 3990, kCollege2},
    {"Kinscribe - College #3", L::C, 6630, 5265, kCollege3},
    {"Kinscribe - Military #1", L::B, 6765, 4020, kMilitary1, 3255, 5175},
    {"Kinscribe - Military #2", L::C, 6630, 4950, kMilitary2},
    {"Kinscribe - Wedding #1", L::A, 6615, 5550, kWedding1},
    {"Kinscribe - Wedding #2", L::C, 6660, 5040, kWedding2},
    {"Kinscribe - Travel #1", L::C, 6615, 4680, kTravel1},
    {"Kinscribe - Travel #2", L::B, 6645, 4350, kTravel2, 3135, 5055, true},
    {"Kinscribe - Life in General #1", L::B, 6615, 3750, kLife1},
    {"Kinscribe - Life in General #2", L::B, 6660, 3750, kLife2},
    {"Kinscribe - Final Thoughts", L::C, 6630, 4815, kFinal},
}};
} // namespace

std::span<const PageWindow> pageWindows() { return kPages; }

QString pageName(const PageWindow &page)
{
    return QString::fromLatin1(QuestionCatalogue::question(page.boxes.front().question).entryWindow);
}

QString pageOverviewName(const PageWindow &page)
{
    const SectionId section = QuestionCatalogue::question(page.boxes.front().question).section;
    return QString::fromLatin1(QuestionCatalogue::section(section).overviewWindow);
}
