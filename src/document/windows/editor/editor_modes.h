#pragma once
// The editor's one-letter modes, each value named after its letter.

// leaveMode: what closing the window does.
enum class LeaveMode {
    NoReturn, // "N" after load: closing ends the program
    Return,   // "R" once Return to Main Menu was chosen: closing goes back to the main menu
    Opened,   // "O" after Open: closing ends the program
};

// saveMode: the save that is pending.
enum class SaveMode {
    None,    // "" no save chosen yet
    Same,    // "S" to the file last opened or saved
    Another, // "A" under a name the user chooses
};

// noteFlag: whether the next activation shows the editing note.
enum class NoteFlag {
    On, // "O"
    No, // "N"
};
