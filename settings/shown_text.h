// Showing texts on any Windows: the language the user sees, and the texts of the tables (code
// page 932) converted for the wide functions, which show them the same whatever the system's
// code page is. Paths are not texts: they are wide from the system's functions on.
// Shared by both programs.
#pragma once
#include <windows.h>

#include <cstdint>

#include "texts.h"

// The language for these Ext bits and the user's interface language.
Language UserLanguage(uint32_t ext);
// The language of the running program's settings.
Language ShownLanguage();
inline const char* ShownText(TextId id) { return TextOf(ShownLanguage(), id); }

// A text of code page 932 as UTF-16. Bytes that are no text of it come out as the system
// converts them; a text longer than the buffer is cut.
struct WideText {
    explicit WideText(const char* text);
    operator const wchar_t*() const { return text; }
    wchar_t text[1024];
};

// Runs a dialog modally from the template of the language (falling back to the Japanese one),
// as a wide dialog; -1 when there is no template.
INT_PTR RunDialogIn(Language language, HINSTANCE instance, int templateId, HWND owner, DLGPROC proc);

// A message box with the program's name as its caption.
int ShowMessageBox(HWND owner, const wchar_t* text, UINT flags);
