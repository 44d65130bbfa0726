// Menu 103 of the main window and the commands behind it.
#pragma once

#include <QString>

#include "profile/profile.h"

namespace brindlex {

class MAINFORM;

// Command identifiers; each menu action carries its number as its object name.
enum MenuCommand : int {
    kCommandAbout = 40002,
    kCommandExit = 40003,
    kCommandCheckForUpdate = 40004,
    kCommandSaveAsText = 40005,
    kCommandDonate = 40006,
    kCommandAdultMaterial = 40007,
    kCommandOpenText = 40008,
    kCommandStartOver = 40009,
    kCommandReadCodeLine = 40010,
    kCommandCopyCodeLine = 40011,
    // "Language" and its entries, one per language of kLanguages in its order.
    kCommandLanguage = 40030,
    kCommandFirstLanguage = 40031,
};

// Fills the menus "File", "Edit" and "Application" into the window's menu bar and connects
// their commands to `form`. "Edit" holds the window's own Undo and Redo. The menus follow the
// application's language.
void InstallMenu(MAINFORM& form);

// "Save as Txt File": asks for a file, offering one in the user's documents folder, and
// writes the code line of the window's answers into it. The window takes no input meanwhile;
// a failure is reported in a message box.
void SaveCodeLine(MAINFORM& form);

// The file that "Save as Txt File" offers: a name in the user's documents folder, or in the
// home folder where there is no documents folder.
QString SuggestedTextFile();

// "Copy Code Line": puts the code line of the window's answers on the clipboard.
void CopyCodeLine(MAINFORM& form);

// "Open Txt File...": asks for a file and reads its first line as if the user had pasted it
// into the code line, as one step of the history. A file that cannot be read, or a line that
// is no code line, changes no answer and is reported in a message box.
void OpenCodeLine(MAINFORM& form);

// "Start Over": after the user confirms it, every answer goes back to the all-zero record, as
// one step of the history.
void StartOver(MAINFORM& form);

// The text of a menu item as the menu shows it in the user's language, without its access
// letter, for titles and messages that name the command ("Save as Txt File").
QString CommandName(const char* text);

// Writes the code line of `profile` and one 0x00 byte to `path`. An existing file is replaced
// only once the new content has been written completely. Returns why the file could not be
// written, or an empty string on success.
QString WriteCodeLineFile(const QString& path, PROFILE& profile);

}  // namespace brindlex
