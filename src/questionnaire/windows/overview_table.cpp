#include "questionnaire/windows/overview_table.h"

#include <array>

namespace {
using S = SectionId;

constexpr OverviewRow kChild[] = {
    {120, 495}, {720, 255}, {1080, 255}, {1440, 495},
    {2040, 255, 6105}, {2400, 495}, {3000, 495},
    {3600, 255}, {3960, 255}, {4320, 255},
};
constexpr OverviewRow kHighSch[] = {
    {120, 255}, {480, 255}, {840, 255}, {1200, 255},
    {1560, 495}, {2160, 495}, {2760, 255}, {3120, 495},
};
constexpr OverviewRow kCar[] = {
    {120, 255}, {480, 255}, {840, 255}, {1200, 255}, {1560, 255},
};
constexpr OverviewRow kVolun[] = {
    {120, 255}, {480, 255}, {840, 495}, {1440, 255}, {1800, 495},
};
constexpr OverviewRow kJobs[] = {
    {120, 255}, {480, 255}, {840, 255}, {1200, 255, 5985}, {1560, 255},
};
constexpr OverviewRow kCollege[] = {
    {120, 255}, {480, 255}, {840, 255}, {1200, 255},
    {1560, 255}, {1920, 255}, {2280, 735}, {3120, 495},
    {3720, 255}, {4080, 495}, {4560, 255},
};
constexpr OverviewRow kMilitary[] = {
    {120, 255}, {480, 495}, {1080, 495}, {1680, 255},
    {2040, 375}, {2400, 495}, {3000, 495},
};
constexpr OverviewRow kWedding[] = {
    {120, 495}, {720, 255}, {1080, 255}, {1440, 255},
    {1800, 255}, {2160, 495}, {2760, 255}, {3120, 375},
    {3480, 375},
};
constexpr OverviewRow kTravel[] = {
    {120, 255}, {480, 255}, {840, 255}, {1200, 255},
    {1560, 495}, {2160, 375}, {2520, 495},
};
constexpr OverviewRow kLife[] = {
    {120, 255}, {480, 255}, {840, 255}, {1200, 255},
    {1560, 375}, {1920, 375},
};
constexpr OverviewRow kFinal[] = {
    {120, 255}, {480, 255}, {840, 495}, {1440, 255},
};

const std::array<OverviewWindow, kSectionCount> kOverviews{{
    {S::Childhood, "Kinscribe - Childhood", 6885, 5295, 5040, 4680, 6225, false, kChild},
    {S::HighSch, "Kinscribe - High School", 6825, 4470, 4920, 3840, 6225, true, kHighSch},
    {S::FirstCar, "Kinscribe - First Car", 6765, 2640, 4920, 2040, 6225, false, kCar},
    {S::Volunteer, "Kinscribe - Volunteering", 6765, 3045, 4920, 2400, 6225, false, kVolun},
    {S::Jobs, "Kinscribe - Jobs", 6525, 2565, 4680, 1920, 5865, false, kJobs},
    {S::College, "Kinscribe - College", 6810, 5520, 5040, 4920, 6225, false, kCollege},
    {S::Military, "Kinscribe - Military", 6825, 4215, 4920, 3600, 6225, true, kMilitary},
    {S::Wedding, "Kinscribe - Wedding", 6765, 4470, 4920, 3840, 6225, false, kWedding},
    {S::Travel, "Kinscribe - Travel", 6780, 3705, 4920, 3120, 6225, false, kTravel},
    {S::Life, "Kinscribe - Life in General", 6690, 3000, 4800, 2400, 6225, false, kLife},
    {S::Final, "Kinscribe - Final Thoughts", 6270, 2535, 4440, 1920, 5745, false, kFinal},
}};
} // namespace

std::span<const OverviewWindow> overviewWindows() { return kOverviews; }

QString overviewName(const OverviewWindow &window)
{
    return QString::fromLatin1(QuestionCatalogue::section(window.section).overviewWindow);
}
