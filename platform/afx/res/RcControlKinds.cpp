#include "res/RcControlKinds.h"
#include "wnd/AfxStyles.h"

namespace {

// The control statements with their classes and default styles.
const RcControlKind kControls[] = {
    { "LTEXT", true, "Static", SS_LEFT | WS_GROUP },
    { "RTEXT", true, "Static", SS_RIGHT | WS_GROUP },
    { "CTEXT", true, "Static", SS_CENTER | WS_GROUP },
    { "PUSHBUTTON", true, "Button", BS_PUSHBUTTON | WS_TABSTOP },
    { "DEFPUSHBUTTON", true, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP },
    { "PUSHBOX", true, "Button", BS_PUSHBUTTON | WS_TABSTOP },
    { "CHECKBOX", true, "Button", BS_CHECKBOX | WS_TABSTOP },
    { "AUTOCHECKBOX", true, "Button", BS_AUTOCHECKBOX | WS_TABSTOP },
    { "STATE3", true, "Button", BS_3STATE | WS_TABSTOP },
    { "AUTO3STATE", true, "Button", BS_AUTO3STATE | WS_TABSTOP },
    { "RADIOBUTTON", true, "Button", BS_RADIOBUTTON },
    { "AUTORADIOBUTTON", true, "Button", BS_AUTORADIOBUTTON },
    { "GROUPBOX", true, "Button", BS_GROUPBOX },
    { "ICON", true, "Static", SS_ICON },
    { "EDITTEXT", false, "Edit", ES_LEFT | WS_BORDER | WS_TABSTOP },
    { "COMBOBOX", false, "ComboBox", CBS_SIMPLE | WS_TABSTOP },
    { "LISTBOX", false, "ListBox", LBS_NOTIFY | WS_BORDER },
    { "SCROLLBAR", false, "ScrollBar", 0 },
};

// A combo box's kind (simple, drop-down, drop-down list) is the low two bits of
// its style: CBS_SIMPLE is the default kind only when the written style names
// none, otherwise "CBS_DROPDOWN" ORed with the default would read as a
// drop-down list and the field could not be typed into.
const long kComboKindBits = CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST;

bool isComboBox(const RcControlKind& kind)
{
    return QLatin1String(kind.className) == QLatin1String("ComboBox");
}

} // namespace

const RcControlKind* RcFindControlKind(const QString& word)
{
    for (const RcControlKind& k : kControls) {
        if (word == QLatin1String(k.word))
            return &k;
    }
    return nullptr;
}

long RcWrittenStyleBase(const RcControlKind& kind)
{
    return isComboBox(kind) ? kind.style & ~kComboKindBits : kind.style;
}

long RcWithDefaultKind(const RcControlKind& kind, long style)
{
    return isComboBox(kind) && (style & kComboKindBits) == 0 ? style | CBS_SIMPLE : style;
}
