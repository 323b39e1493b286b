// The one place where the classic message-box style numbers meet the typed requests.
#include "shell/message_request.h"

namespace {
template <typename Part>
struct Code {
    int number;
    Part part;
};

constexpr int kButtonBits = 0x0f, kIconBits = 0xf0, kDefaultBits = 0xf00;

constexpr Code<MessageButtons> kButtons[] = {
    {0, MessageButtons::Ok}, {3, MessageButtons::YesNoCancel}, {4, MessageButtons::YesNo}};
constexpr Code<MessageIcon> kIcons[] = {{0, MessageIcon::None},
                                        {32, MessageIcon::Question},
                                        {48, MessageIcon::Exclamation},
                                        {64, MessageIcon::Information}};
constexpr Code<DefaultButton> kDefaults[] = {
    {0, DefaultButton::First}, {256, DefaultButton::Second}, {512, DefaultButton::Third}};

template <typename Part, int N>
std::optional<Part> partOf(int number, const Code<Part> (&codes)[N])
{
    for (const Code<Part> &code : codes) {
        if (code.number == number)
            return code.part;
    }
    return std::nullopt;
}
} // namespace

std::optional<MessageRequest> fromStyleNumber(int style)
{
    if (style < 0 || (style & ~(kButtonBits | kIconBits | kDefaultBits)) != 0)
        return std::nullopt;
    const auto buttons = partOf(style & kButtonBits, kButtons);
    const auto icon = partOf(style & kIconBits, kIcons);
    const auto defaultButton = partOf(style & kDefaultBits, kDefaults);
    if (!buttons || !icon || !defaultButton)
        return std::nullopt;
    return MessageRequest{*icon, *buttons, *defaultButton};
}
