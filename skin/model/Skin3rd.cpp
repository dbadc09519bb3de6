#include "skin/model/WinSkinData.h"

namespace quellar {

namespace {

struct Group {
    const char* kind;
    std::vector<const char*> classes;
};

std::vector<std::string> BuildDefaultSkin3rd() {
    // Class name "=" kind, in the order the engine has always listed them.
    const Group groups[] = {
        {"Panel", {"TTBDock", "TTBToolbar"}},
        {"scrollbar", {"TImageEnMView", "TImageEnView"}},
        {"button", {"TRzButton"}},
        {"CheckGroup", {"TRzCheckGroup"}},
        {"Radiogroup", {"TRzRadioGroup"}},
        {"Radiobutton", {"TRzRadioButton"}},
        {"Checkbox", {"TRzCheckBox"}},
        {"Edit", {"TRzButtonEdit"}},
        {"Radiogroup", {"TRzDBRadioGroup"}},
        {"Radiobutton", {"TRzDBRadioButton"}},
        {"Checkbox", {"TRzDBCheckBox"}},
        {"Checkbox", {"TDBCheckboxEh", "TDBCheckboxEh"}},
        {"Checkbox", {"TLMDCHECKBOX", "TLMDDBCHECKBOX"}},
        {"Radiobutton", {"TLMDRadiobutton"}},
        {"Panel",
         {"TLMDGROUPBOX", "TLMDSIMPLEPANEL", "TLMDDBCalendar", "TLMDButtonPanel", "TLMDLMDCalculator",
          "TLMDHeaderPanel", "TLMDTechnicalLine", "TLMDLMDClock"}},
        {"trackbar", {"TLMDTrackbar"}},
        {"combobox",
         {"TLMDListCombobox", "TLMDCheckListCombobox", "TLMDHeaderListCombobox", "TLMDImageCombobox",
          "TLMDColorCombobox", "TLMDFontCombobox", "TLMDFontSizeCombobox", "TLMDFontSizeCombobox",
          "TLMDPrinterCombobox", "TLMDDriveCombobox", "TLMDCalculatorComboBox", "TLMDTrackBarComboBox",
          "TLMDCalendarComboBox"}},
        {"Radiogroup", {"TLMDRADIOGROUP", "TLMDDBRADIOGROUP"}},
        {"CheckGroup", {"TLMDCheckGroup", "TLMDDBCheckGroup"}},
        {"Edit",
         {"TLMDEDIT", "TLMDMASKEDIT", "TLMDBROWSEEDIT", "TLMDEXTSPINEDIT", "TLMDCALENDAREDIT",
          "TLMDFILEOPENEDIT", "TLMDFILESAVEEDIT", "TLMDCOLOREDIT", "TLMDDBEDIT", "TLMDDBMASKEDIT",
          "TLMDDBEXTSPINEDIT", "TLMDDBSPINEDIT", "TLMDDBEDITDBLookup", "TLMDEDITDBLookup"}},
        {"combobox", {"TDBLookupCombobox"}},
        {"combobox",
         {"TWWDBCombobox", "TWWDBCombobox", "TWWDBLookupCombo", "TWWKeyCombo", "TWWTempKeyCombo",
          "TWWDBDateTimePicker"}},
        {"Radiogroup", {"TWWRADIOGROUP"}},
        {"combobox",
         {"TDXDBPICKEDIT", "TDXDBCALCEDIT", "TDXDBIMAGEEDIT", "TDXDBPOPUPEDIT", "TDXDBEXTLOOKUPEDIT",
          "TDXDBLOOKUPEDIT", "TDXDBDATEEDIT", "TDXDATEEDIT", "TDXPICKEDIT", "TDXPOPUPEDIT"}},
        {"Edit",
         {"TDXDBCURRENCYEDIT", "TDXDBEDIT", "TDXDBMASKEDIT", "TDXDBHYPERLINKEDIT", "TDXEDIT", "TDXMASKEDIT",
          "TWWDBEDIT", "TDXBUTTONEDIT", "TDXCURRENCYEDIT", "TDXHYPERLINKEDIT"}},
        {"Edit",
         {"TOVCPICTUREFIELD", "TOVCDBPICTUREFIELD", "TOVCSLIDEREDIT", "TOVCDBSLIDEREDIT", "TOVCSIMPLEFIELD",
          "TOVCDBSIMPLEFIELD", "TO32DBFLEXEDIT", "TOVCNUMERICFIELD", "TOVCDBNUMERICFIELD"}},
    };
    std::vector<std::string> lines;
    for (const Group& g : groups) {
        for (const char* c : g.classes) {
            lines.push_back(std::string(c) + "=" + g.kind);
        }
    }
    return lines;
}

} // namespace

const std::vector<std::string>& DefaultSkin3rd() {
    static const std::vector<std::string> lines = BuildDefaultSkin3rd();
    return lines;
}

} // namespace quellar
