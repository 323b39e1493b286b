#pragma once
// What a message box asks: its icon, its buttons and which button is the default; and the
// button that answered it.

#include <optional>

enum class MessageIcon { None, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class DefaultButton { First, Second, Third };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    DefaultButton defaultButton = DefaultButton::First;
    friend bool operator==(const MessageRequest &, const MessageRequest &) = default;
};

// Reads a style number of the classic message-box convention: buttons (0 OK, 4 Yes/No,
// 3 Yes/No/Cancel) plus icon (32 question, 48 exclamation, 64 information) plus default
// button (256 second, 512 third); 308 is a Yes/No question with the exclamation icon and No
// as default. No value for a number outside the convention or naming a kind of box this
// program never shows (OK/Cancel, the critical icon, ...).
std::optional<MessageRequest> fromStyleNumber(int style);
