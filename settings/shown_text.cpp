#include "shown_text.h"

#include "settings_record.h"

namespace {
constexpr UINT kTextCodePage = 932;

// The dialog template of the language, without the system's own choice of language, which
// follows the thread's locale rather than the user's interface language and differs between
// systems.
const DLGTEMPLATE* FindDialogTemplate(HINSTANCE instance, int templateId, Language language) {
    const Language tries[] = {language, Language::japanese};
    for (Language l : tries) {
        const WORD resourceLanguage = kLanguages[static_cast<int>(l)].resourceLanguage;
        if (HRSRC found = FindResourceExA(instance, RT_DIALOG, MAKEINTRESOURCEA(templateId), resourceLanguage))
            if (HGLOBAL loaded = LoadResource(instance, found)) return static_cast<const DLGTEMPLATE*>(LockResource(loaded));
    }
    return nullptr;
}
}  // namespace

Language UserLanguage(uint32_t ext) { return ChooseLanguage(ext, GetUserDefaultUILanguage()); }

Language ShownLanguage() { return UserLanguage(static_cast<uint32_t>(g_settings.Ext)); }

WideText::WideText(const char* from) {
    text[0] = L'\0';
    if (from) MultiByteToWideChar(kTextCodePage, 0, from, -1, text, sizeof text / sizeof text[0]);
    text[sizeof text / sizeof text[0] - 1] = L'\0';
}

INT_PTR RunDialogIn(Language language, HINSTANCE instance, int templateId, HWND owner, DLGPROC proc) {
    const DLGTEMPLATE* dialog = FindDialogTemplate(instance, templateId, language);
    return dialog ? DialogBoxIndirectParamW(instance, dialog, owner, proc, 0) : -1;
}

int ShowMessageBox(HWND owner, const wchar_t* text, UINT flags) {
    return MessageBoxW(owner, text, WideText(ShownText(kTextProductName)), flags);
}
