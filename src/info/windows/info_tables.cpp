// The seven information windows: captions, client areas (twips), controls and when each
// text is filled.
#include "info/info_texts.h"
#include "shell/window_names.h"
#include "info/windows/info_window.h"
#include "resources/about_picture.h"

namespace Info {
namespace {
Control closeButton(QRect twips, Click click = Click::GoTo, const char *target = WindowName::Main)
{
    return {.kind = Kind::Button, .name = "cmdClose", .twips = twips, .look = Look::Button, .text = "&Close",
            .tooltip = "Click here to close this window.", .click = click, .target = target};
}

Control label(const char *name, QRect twips, Fill fill, QString (*build)(), Look look = Look::Navy)
{
    return {.kind = Kind::Label, .name = name, .twips = twips, .look = look, .fill = fill, .build = build};
}

WindowTable instructions()
{
    return {WindowName::Instructions, "Kinscribe - Instructions", nullptr, {6990, 5085}, Background::InactiveBorder, false,
            CloseBox::ExitQuestion,
            {label("Label1", {120, 120, 6735, 1605}, Fill::OnActivate, InfoText::instructions1),
             label("Label2", {120, 1800, 6735, 1815}, Fill::OnActivate, InfoText::instructions2),
             label("Label3", {120, 3690, 6735, 915}, Fill::OnActivate, InfoText::instructions3),
             {.kind = Kind::Button, .name = "cmdReturn", .twips = {4575, 4650, 2295, 375}, .look = Look::Button,
              .text = "&Return to Main Screen", .tooltip = "Click here to return to the main screen.",
              .click = Click::GoTo, .target = WindowName::Main}}};
}

WindowTable about()
{
    return {WindowName::Info, kProgramTitle, nullptr, {6195, 3990}, Background::Menu, false, CloseBox::ExitQuestion,
            {{.kind = Kind::Label, .name = "Label1", .twips = {120, 120, 5955, 495}, .text = ""},
             {.kind = Kind::Picture, .name = "Picture1", .twips = {120, 1200, 480, 480}, .picture = aboutPicture,
              .describe = aboutPictureDescription,
              .tooltip = "Click here to read the credits.", .click = Click::GoTo, .target = WindowName::Credits},
             label("lblAddy", {600, 720, 4935, 1455}, Fill::OnActivate, InfoText::contactBlock, Look::Address),
             {.kind = Kind::Label, .name = "Label2", .twips = {120, 3480, 0, 0}, .look = Look::Plain,
              .text = "Version History", .tooltip = "Click here to read the version history.",
              .click = Click::Open, .target = WindowName::VersionHistory},
             closeButton({4980, 3480, 1095, 375})}};
}

WindowTable shareware()
{
    return {WindowName::Shareware, "Kinscribe - Information About Shareware", nullptr, {7980, 4815}, Background::Default, false,
            CloseBox::ExitQuestion,
            {label("Label1", {120, 120, 7695, 3855}, Fill::OnLoad, InfoText::shareware1),
             label("Label2", {120, 4035, 6375, 615}, Fill::OnLoad, InfoText::shareware2),
             closeButton({6720, 4320, 1095, 375})}};
}

WindowTable warranty()
{
    return {WindowName::Warranty, "Kinscribe - Warranty Information", nullptr, {7065, 4680}, Background::Default, false,
            CloseBox::ExitQuestion,
            {label("Label1", {120, 120, 6735, 2415}, Fill::OnLoad, InfoText::warranty1),
             label("Label2", {120, 2535, 6735, 1455}, Fill::OnLoad, InfoText::warranty2),
             label("Label3", {120, 3990, 5535, 255}, Fill::OnLoad, InfoText::warranty3),
             closeButton({5850, 4185, 1095, 375})}};
}

WindowTable distribution()
{
    return {WindowName::Distribution, "Kinscribe - Distribution Information", nullptr, {7170, 4680}, Background::Default,
            false, CloseBox::ExitQuestion,
            {label("Label1", {120, 120, 6855, 4095}, Fill::OnLoad, InfoText::distribution1),
             label("Label2", {120, 4215, 5655, 255}, Fill::OnLoad, InfoText::distribution2),
             closeButton({5955, 4185, 1095, 375})}};
}

WindowTable versionHistory()
{
    return {WindowName::VersionHistory, "Kinscribe - Version History", nullptr, {6225, 4530}, Background::Default, false,
            CloseBox::HideAndUnload,
            {{.kind = Kind::Label, .name = "Label1", .twips = {120, 120, 0, 0}, .look = Look::Heading,
              .text = "Kinscribe - Version History"},
             label("lblVersionHx", {120, 600, 5895, 3255}, Fill::OnLoad, InfoText::versionHistory,
                   Look::NavyDefaultFont),
             closeButton({5010, 3990, 1095, 375}, Click::HideSelf, nullptr)}};
}

WindowTable credits()
{
    return {WindowName::Credits, nullptr, InfoText::creditsCaption, {6945, 5295}, Background::Navy, true,
            CloseBox::BackToAbout,
            {label("Label1", {1440, 1920, 3135, 855}, Fill::Fixed, InfoText::dedication, Look::Dedication),
             closeButton({2700, 2835, 615, 375}, Click::GoTo, WindowName::Info)}};
}
} // namespace

const QList<WindowTable> &windowTables()
{
    static const QList<WindowTable> specs = {instructions(), about(),          shareware(), warranty(),
                                            distribution(), versionHistory(), credits()};
    return specs;
}
} // namespace Info
