#include "questionnaire/windows/overview_table.h"

#include <array>

namespace {
using S = SectionId;

constexpr OverviewRow kChild[] = {
    {"GrowUp", 120, 495}, {"Toys", 720, 255}, {"Games", 1080, 255}, {"Lived", 1440, 495},
    {"Hobbies", 2040, 255, 6105}, {"School", 2400, 495}, {"Differences", 3000, 495},
    {"Friends", 3600, 255}, {"Siblings", 3960, 255}, {"Parents", 4320, 255},
};
constexpr OverviewRow kHighSch[] = {
    {"GoHighSch", 120, 255}, {"Grad", 480, 255}, {"Classes", 840, 255}, {"AfterSch", 1200, 255},
    {"Clubs", 1560, 495}, {"Sports", 2160, 495}, {"Hobbies", 2760, 255}, {"AfterGrad", 3120, 495},
};
constexpr OverviewRow kCar[] = {
    {"Car", 120, 255}, {"WhenGet", 480, 255}, {"Like", 840, 255}, {"Length", 1200, 255}, {"Stories", 1560, 255},
};
constexpr OverviewRow kVolun[] = {
    {"Volunteer", 120, 255}, {"WWW", 480, 255}, {"Skills", 840, 495}, {"Like", 1440, 255}, {"Wanted", 1800, 495},
};
constexpr OverviewRow kJobs[] = {
    {"FirstJob", 120, 255}, {"Best", 480, 255}, {"Worst", 840, 255}, {"Want", 1200, 255, 5985}, {"Dream", 1560, 255},
};
constexpr OverviewRow kCollege[] = {
    {"WhereWhen", 120, 255}, {"Scholarship", 480, 255}, {"Major", 840, 255}, {"Favorite", 1200, 255},
    {"Best", 1560, 255}, {"Least", 1920, 255}, {"Graduate", 2280, 735}, {"NotGrad", 3120, 495},
    {"Orgs", 3720, 255}, {"Sports", 4080, 495}, {"Stories", 4560, 255},
};
constexpr OverviewRow kMilitary[] = {
    {"Military", 120, 255}, {"War", 480, 495}, {"Duties", 1080, 495}, {"Where", 1680, 255},
    {"People", 2040, 375}, {"Friends", 2400, 495}, {"Events", 3000, 495},
};
constexpr OverviewRow kWedding[] = {
    {"Meet", 120, 495}, {"Where", 720, 255}, {"Ceremony", 1080, 255}, {"Reception", 1440, 255},
    {"Size", 1800, 255}, {"Stories", 2160, 495}, {"Honeymoon", 2760, 255}, {"HStories", 3120, 375},
    {"Advice", 3480, 375},
};
constexpr OverviewRow kTravel[] = {
    {"Countries", 120, 255}, {"Like", 480, 255}, {"NotLike", 840, 255}, {"Here", 1200, 255},
    {"Vacation", 1560, 495}, {"Future", 2160, 375}, {"Free", 2520, 495},
};
constexpr OverviewRow kLife[] = {
    {"Change", 120, 255}, {"Goals", 480, 255}, {"Advice", 840, 255}, {"Books", 1200, 255},
    {"Hobbies", 1560, 375}, {"Learn", 1920, 375},
};
constexpr OverviewRow kFinal[] = {
    {"Self", 120, 255}, {"Advice", 480, 255}, {"Questions", 840, 495}, {"Comments", 1440, 255},
};

const std::array<OverviewWindow, kSectionCount> kOverviews{{
    {"frmChildMain", S::Childhood, "Kinscribe - Childhood", 6885, 5295, 5040, 4680, 6225, false, kChild},
    {"frmHighSchMain", S::HighSch, "Kinscribe - High School", 6825, 4470, 4920, 3840, 6225, true, kHighSch},
    {"frmCarMain", S::FirstCar, "Kinscribe - First Car", 6765, 2640, 4920, 2040, 6225, false, kCar},
    {"frmVolunMain", S::Volunteer, "Kinscribe - Volunteering", 6765, 3045, 4920, 2400, 6225, false, kVolun},
    {"frmJobsMain", S::Jobs, "Kinscribe - Jobs", 6525, 2565, 4680, 1920, 5865, false, kJobs},
    {"frmCollegeMain", S::College, "Kinscribe - College", 6810, 5520, 5040, 4920, 6225, false, kCollege},
    {"frmMilitaryMain", S::Military, "Kinscribe - Military", 6825, 4215, 4920, 3600, 6225, true, kMilitary},
    {"frmWeddingMain", S::Wedding, "Kinscribe - Wedding", 6765, 4470, 4920, 3840, 6225, false, kWedding},
    {"frmTravelMain", S::Travel, "Kinscribe - Travel", 6780, 3705, 4920, 3120, 6225, false, kTravel},
    {"frmLifeMain", S::Life, "Kinscribe - Life in General", 6690, 3000, 4800, 2400, 6225, false, kLife},
    {"frmFinalMain", S::Final, "Kinscribe - Final Thoughts", 6270, 2535, 4440, 1920, 5745, false, kFinal},
}};
} // namespace

std::span<const OverviewWindow> overviewWindows() { return kOverviews; }
