#include "ui/StdRegistry.h"

#include "base/Exception.h"
#include "ui/Buttons.h"
#include "ui/ComCtrls.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"
#include "ui/ScrollCtrls.h"
#include "ui/TabCtrls.h"

#include <map>

namespace quellar {

namespace {
// A form's border styles are not a panel's: bsSingle is a fixed frame here (0), where the shared
// table gives the panel's bsSingle (1), which a form would read as sizeable.
TBorderStyle FormBorderStyle(const std::string& ident) {
    if (ident == "bsSingle") {
        return TBorderStyle::bsSingle;
    }
    if (ident == "bsSizeable") {
        return TBorderStyle::bsSizeable;
    }
    if (ident == "bsDialog") {
        return TBorderStyle::bsDialog;
    }
    return static_cast<TBorderStyle>(IdentValue(ident)); // an unknown name fails as any other
}

template <class T> T& As(TComponent& c) {
    auto* typed = dynamic_cast<T*>(&c);
    if (typed == nullptr) {
        throw EReadError("Invalid property for " + std::string(c.ClassName()));
    }
    return *typed;
}

template <class T>
void Prop(TClassRegistry& r, const std::string& cls, const std::string& name,
          std::function<void(T&, const TPropValue&, const TLayoutContext&)> set) {
    r.AddProperty(cls, name, [set](TComponent& c, const TPropValue& v, const TLayoutContext& ctx) {
        set(As<T>(c), v, ctx);
    });
}

int Int(const TPropValue& v) {
    return static_cast<int>(v.i);
}

unsigned FontStyle(const TPropValue& v) {
    unsigned style = 0;
    for (const std::string& s : v.list) {
        style |= static_cast<unsigned>(IdentValue(s));
    }
    return style;
}

void RegisterControlProperties(TClassRegistry& r) {
    using C = TControl;
    using V = const TPropValue&;
    using X = const TLayoutContext&;
    Prop<C>(r, "TControl", "Left", [](C& c, V v, X) { c.SetLeft(Int(v)); });
    Prop<C>(r, "TControl", "Top", [](C& c, V v, X) { c.SetTop(Int(v)); });
    Prop<C>(r, "TControl", "Width", [](C& c, V v, X) { c.SetWidth(Int(v)); });
    Prop<C>(r, "TControl", "Height", [](C& c, V v, X) { c.SetHeight(Int(v)); });
    Prop<C>(r, "TControl", "Caption", [](C& c, V v, X) { c.SetCaption(v.s); });
    Prop<C>(r, "TControl", "Text", [](C& c, V v, X) { c.SetText(v.s); });
    Prop<C>(r, "TControl", "Hint", [](C& c, V v, X) { c.SetHint(v.s); });
    Prop<C>(r, "TControl", "ShowHint", [](C& c, V v, X) { c.SetShowHint(v.b); });
    Prop<C>(r, "TControl", "Enabled", [](C& c, V v, X) { c.SetEnabled(v.b); });
    Prop<C>(r, "TControl", "Visible", [](C& c, V v, X) { c.SetVisible(v.b); });
    Prop<C>(r, "TControl", "Tag", [](C& c, V v, X) { c.SetTag(static_cast<std::intptr_t>(v.i)); });
    Prop<C>(r, "TControl", "Color", [](C& c, V v, X) { c.SetColor(static_cast<TColor>(v.i)); });
    Prop<C>(r, "TControl", "Align", [](C& c, V v, X) { c.SetAlign(static_cast<TAlign>(IdentValue(v.s))); });
    Prop<C>(r, "TControl", "OnClick", [](C& c, V v, X ctx) { c.OnClick = ctx.Method(v.s); });
    auto font = [](C& c, const std::function<void(TFont&)>& change) {
        TFont f = c.Font();
        change(f);
        c.SetFont(f);
    };
    Prop<C>(r, "TControl", "Font.Name", [font](C& c, V v, X) { font(c, [&](TFont& f) { f.SetName(v.s); }); });
    Prop<C>(r, "TControl", "Font.Height",
            [font](C& c, V v, X) { font(c, [&](TFont& f) { f.SetHeight(Int(v)); }); });
    Prop<C>(r, "TControl", "Font.Style",
            [font](C& c, V v, X) { font(c, [&](TFont& f) { f.SetStyle(FontStyle(v)); }); });
    Prop<C>(r, "TControl", "Font.Color",
            [font](C& c, V v, X) { font(c, [&](TFont& f) { f.SetColor(static_cast<TColor>(v.i)); }); });
    Prop<C>(r, "TControl", "Font.Charset",
            [font](C& c, V v, X) { font(c, [&](TFont& f) { f.SetCharset(Int(v)); }); });
    Prop<TWinControl>(r, "TWinControl", "TabStop", [](TWinControl& c, V v, X) { c.SetTabStop(v.b); });
}

void RegisterFormProperties(TClassRegistry& r) {
    using F = TCustomForm;
    using V = const TPropValue&;
    using X = const TLayoutContext&;
    Prop<F>(r, "TCustomForm", "ClientWidth", [](F& f, V v, X) { f.SetClientWidth(Int(v)); });
    Prop<F>(r, "TCustomForm", "ClientHeight", [](F& f, V v, X) { f.SetClientHeight(Int(v)); });
    Prop<F>(r, "TCustomForm", "BorderIcons", [](F& f, V v, X) {
        unsigned icons = 0;
        for (const std::string& s : v.list) {
            icons |= static_cast<unsigned>(IdentValue(s));
        }
        f.SetBorderIcons(icons);
    });
    Prop<F>(r, "TCustomForm", "BorderStyle", [](F& f, V v, X) { f.SetBorderStyle(FormBorderStyle(v.s)); });
    Prop<F>(r, "TCustomForm", "Position",
            [](F& f, V v, X) { f.SetPosition(static_cast<TPosition>(IdentValue(v.s))); });
    Prop<F>(r, "TCustomForm", "OnCreate", [](F& f, V v, X ctx) { f.OnCreate = ctx.Method(v.s); });
    Prop<F>(r, "TCustomForm", "OnDestroy", [](F& f, V v, X ctx) { f.OnDestroy = ctx.Method(v.s); });
}

void RegisterStdControlProperties(TClassRegistry& r) {
    using V = const TPropValue&;
    using X = const TLayoutContext&;
    Prop<TCustomLabel>(r, "TCustomLabel", "AutoSize", [](TCustomLabel& c, V v, X) { c.SetAutoSize(v.b); });
    Prop<TCustomCombo>(r, "TCustomCombo", "Items.Strings",
                       [](TCustomCombo& c, V v, X) { c.SetItems(v.list); });
    Prop<TCustomCombo>(r, "TCustomCombo", "ItemIndex",
                       [](TCustomCombo& c, V v, X) { c.SetItemIndex(Int(v)); });
    Prop<TCustomCombo>(r, "TCustomCombo", "DropDownCount",
                       [](TCustomCombo& c, V v, X) { c.SetDropDownCount(Int(v)); });
    Prop<TCustomComboBox>(r, "TCustomComboBox", "Style", [](TCustomComboBox& c, V v, X) {
        c.SetStyle(static_cast<TComboBoxStyle>(IdentValue(v.s)));
    });
    Prop<TCustomComboBoxEx>(r, "TCustomComboBoxEx", "ItemsEx", [](TCustomComboBoxEx& c, V v, X) {
        std::vector<TComboExItem> items;
        for (std::size_t i = 0; i < v.list.size(); ++i) {
            items.push_back(TComboExItem{v.list[i], i < v.ints.size() ? static_cast<int>(v.ints[i]) : -1});
        }
        c.SetItemsEx(items);
    });
    Prop<TCustomComboBoxEx>(r, "TCustomComboBoxEx", "Images", [](TCustomComboBoxEx& c, V v, X ctx) {
        c.SetImages(&As<TImageList>(ctx.Find(v.s)));
    });
    Prop<TCustomCheckBox>(r, "TCustomCheckBox", "Checked",
                          [](TCustomCheckBox& c, V v, X) { c.SetChecked(v.b); });
    Prop<TTrackBar>(r, "TTrackBar", "Min", [](TTrackBar& c, V v, X) { c.SetMin(Int(v)); });
    Prop<TTrackBar>(r, "TTrackBar", "Max", [](TTrackBar& c, V v, X) { c.SetMax(Int(v)); });
    Prop<TTrackBar>(r, "TTrackBar", "Position", [](TTrackBar& c, V v, X) { c.SetPosition(Int(v)); });
    Prop<TTrackBar>(r, "TTrackBar", "ThumbLength", [](TTrackBar& c, V v, X) { c.SetThumbLength(Int(v)); });
    Prop<TTrackBar>(r, "TTrackBar", "Frequency", [](TTrackBar& c, V v, X) { c.SetFrequency(Int(v)); });
    Prop<TStatusBar>(r, "TStatusBar", "Panels.Width", [](TStatusBar& c, V v, X) {
        std::vector<int> widths;
        for (std::int64_t w : v.ints) {
            widths.push_back(static_cast<int>(w));
        }
        c.SetPanelWidths(widths);
    });
    Prop<TStatusBar>(r, "TStatusBar", "Panels.Text", [](TStatusBar& c, V v, X) {
        for (std::size_t i = 0; i < v.list.size(); ++i) {
            c.SetPanelText(static_cast<int>(i), v.list[i]);
        }
    });
}

void RegisterExtProperties(TClassRegistry& r) {
    using V = const TPropValue&;
    using X = const TLayoutContext&;
    using P = TCustomPanel;
    Prop<P>(r, "TCustomPanel", "BevelInner",
            [](P& c, V v, X) { c.SetBevelInner(static_cast<TBevelCut>(IdentValue(v.s))); });
    Prop<P>(r, "TCustomPanel", "BevelOuter",
            [](P& c, V v, X) { c.SetBevelOuter(static_cast<TBevelCut>(IdentValue(v.s))); });
    Prop<P>(r, "TCustomPanel", "BorderStyle",
            [](P& c, V v, X) { c.SetBorderStyle(static_cast<TPanelBorder>(IdentValue(v.s))); });
    Prop<TImage>(r, "TImage", "Stretch", [](TImage& c, V v, X) { c.SetStretch(v.b); });
    Prop<TImage>(r, "TImage", "Transparent", [](TImage& c, V v, X) { c.SetTransparent(v.b); });
    Prop<TImage>(r, "TImage", "Picture.Resource", [](TImage& c, V v, X) {
        if (!c.LoadFromResource(v.s)) {
            throw EReadError("Error reading " + c.Name() + ".Picture: no bitmap " + v.s);
        }
    });
    using B = TSpeedButton;
    Prop<B>(r, "TSpeedButton", "Glyph.Resource", [](B& c, V v, X) {
        if (!c.LoadGlyphFromResource(v.s)) {
            throw EReadError("Error reading " + c.Name() + ".Glyph: no bitmap " + v.s);
        }
    });
    Prop<B>(r, "TSpeedButton", "NumGlyphs", [](B& c, V v, X) { c.SetNumGlyphs(Int(v)); });
    Prop<B>(r, "TSpeedButton", "Layout",
            [](B& c, V v, X) { c.SetLayout(static_cast<TButtonLayout>(IdentValue(v.s))); });
    Prop<B>(r, "TSpeedButton", "Flat", [](B& c, V v, X) { c.SetFlat(v.b); });
    Prop<B>(r, "TSpeedButton", "Margin", [](B& c, V v, X) { c.SetMargin(Int(v)); });
    Prop<B>(r, "TSpeedButton", "Spacing", [](B& c, V v, X) { c.SetSpacing(Int(v)); });
    Prop<TTimer>(r, "TTimer", "Enabled", [](TTimer& t, V v, X) { t.SetEnabled(v.b); });
    Prop<TTimer>(r, "TTimer", "Interval",
                 [](TTimer& t, V v, X) { t.SetInterval(static_cast<unsigned>(v.i)); });
    Prop<TTimer>(r, "TTimer", "OnTimer", [](TTimer& t, V v, X ctx) { t.SetOnTimer(ctx.Method(v.s)); });
    using L = TImageList;
    Prop<L>(r, "TImageList", "Width", [](L& c, V v, X) { c.SetWidth(Int(v)); });
    Prop<L>(r, "TImageList", "Height", [](L& c, V v, X) { c.SetHeight(Int(v)); });
    Prop<L>(r, "TImageList", "Bitmap.Resource", [](L& c, V v, X) {
        if (!c.AddFromResource(v.s)) {
            throw EReadError("Error reading " + c.Name() + ".Bitmap: no strip " + v.s);
        }
    });
    Prop<TMenu>(r, "TMenu", "Images",
                [](TMenu& m, V v, X ctx) { m.SetImages(&As<TImageList>(ctx.Find(v.s))); });
    Prop<TPopupMenu>(r, "TPopupMenu", "AutoPopup", [](TPopupMenu& m, V v, X) { m.SetAutoPopup(v.b); });
    using M = TMenuItem;
    Prop<M>(r, "TMenuItem", "Caption", [](M& m, V v, X) { m.SetCaption(v.s); });
    Prop<M>(r, "TMenuItem", "ImageIndex", [](M& m, V v, X) { m.SetImageIndex(Int(v)); });
    Prop<M>(r, "TMenuItem", "Default", [](M& m, V v, X) { m.SetDefault(v.b); });
    Prop<M>(r, "TMenuItem", "OnClick", [](M& m, V v, X ctx) { m.OnClick = ctx.Method(v.s); });
}

void RegisterTabProperties(TClassRegistry& r) {
    using V = const TPropValue&;
    using X = const TLayoutContext&;
    using T = TTabControl;
    Prop<T>(r, "TTabControl", "Tabs.Strings", [](T& c, V v, X) { c.SetTabs(v.list); });
    Prop<T>(r, "TTabControl", "TabIndex", [](T& c, V v, X) { c.SetTabIndex(Int(v)); });
    Prop<T>(r, "TTabControl", "TabPosition",
            [](T& c, V v, X) { c.SetTabPosition(static_cast<TTabPosition>(IdentValue(v.s))); });
    Prop<T>(r, "TTabControl", "OnChange", [](T& c, V v, X ctx) { c.OnChange = ctx.Method(v.s); });
    using S = TTabSet;
    Prop<S>(r, "TTabSet", "Tabs.Strings", [](S& c, V v, X) { c.SetTabs(v.list); });
    Prop<S>(r, "TTabSet", "TabIndex", [](S& c, V v, X) { c.SetTabIndex(Int(v)); });
    Prop<S>(r, "TTabSet", "StartMargin", [](S& c, V v, X) { c.SetStartMargin(Int(v)); });
    Prop<S>(r, "TTabSet", "EndMargin", [](S& c, V v, X) { c.SetEndMargin(Int(v)); });
    Prop<S>(r, "TTabSet", "FirstIndex", [](S& c, V v, X) { c.SetFirstIndex(Int(v)); });
    Prop<S>(r, "TTabSet", "OnChange", [](S& c, V v, X ctx) { c.OnChange = ctx.Method(v.s); });
}

// Controls go into windows, menu items into menus or other items.
void RegisterParentingRules(TClassRegistry& r) {
    r.AddParentingRule([](TComponent& child, TComponent& parent) {
        auto* control = dynamic_cast<TControl*>(&child);
        auto* window = dynamic_cast<TWinControl*>(&parent);
        if (control == nullptr || window == nullptr) {
            return false;
        }
        control->SetParent(window);
        return true;
    });
    r.AddParentingRule([](TComponent& child, TComponent& parent) {
        auto* item = dynamic_cast<TMenuItem*>(&child);
        if (item == nullptr) {
            return false;
        }
        if (auto* menu = dynamic_cast<TMenu*>(&parent); menu != nullptr) {
            menu->Items().Add(item);
            return true;
        }
        if (auto* owner = dynamic_cast<TMenuItem*>(&parent); owner != nullptr) {
            owner->Add(item);
            return true;
        }
        return false;
    });
}

void RegisterScrollProperties(TClassRegistry& r) {
    using B = TScrollBar;
    using V = const TPropValue&;
    using X = const TLayoutContext&;
    Prop<B>(r, "TScrollBar", "Kind",
            [](B& c, V v, X) { c.SetKind(static_cast<TScrollBarKind>(IdentValue(v.s))); });
    Prop<B>(r, "TScrollBar", "Min", [](B& c, V v, X) { c.SetMin(Int(v)); });
    Prop<B>(r, "TScrollBar", "Max", [](B& c, V v, X) { c.SetMax(Int(v)); });
    Prop<B>(r, "TScrollBar", "PageSize", [](B& c, V v, X) { c.SetPageSize(Int(v)); });
    Prop<B>(r, "TScrollBar", "Position", [](B& c, V v, X) { c.SetPosition(Int(v)); });
    Prop<B>(r, "TScrollBar", "SmallChange", [](B& c, V v, X) { c.SetSmallChange(Int(v)); });
    Prop<B>(r, "TScrollBar", "LargeChange", [](B& c, V v, X) { c.SetLargeChange(Int(v)); });
    Prop<B>(r, "TScrollBar", "OnChange", [](B& c, V v, X ctx) { c.OnChange = ctx.Method(v.s); });
    Prop<TCustomMemo>(r, "TCustomMemo", "ScrollBars", [](TCustomMemo& c, V v, X) {
        c.SetScrollBars(static_cast<TScrollStyle>(IdentValue(v.s)));
    });
    Prop<TCustomMemo>(r, "TCustomMemo", "Lines.Strings", [](TCustomMemo& c, V v, X) { c.SetLines(v.list); });
}

template <class T> void Class(TClassRegistry& r, const std::string& base) {
    r.AddClass(std::string(T::StaticClassName), base, [](TComponent* owner) { return new T(owner); });
}
} // namespace

int IdentValue(const std::string& ident) {
    static const std::map<std::string, int> values = {{"alNone", 0},
                                                      {"alTop", 1},
                                                      {"alBottom", 2},
                                                      {"alLeft", 3},
                                                      {"alRight", 4},
                                                      {"alClient", 5},
                                                      {"bvNone", 0},
                                                      {"bvLowered", 1},
                                                      {"bvRaised", 2},
                                                      {"bsNone", 0},
                                                      {"bsSingle", 1},
                                                      {"bsSizeable", 1},
                                                      {"bsDialog", 2},
                                                      {"fsBold", fsBold},
                                                      {"fsItalic", fsItalic},
                                                      {"fsUnderline", fsUnderline},
                                                      {"biSystemMenu", biSystemMenu},
                                                      {"biMinimize", biMinimize},
                                                      {"biMaximize", biMaximize},
                                                      {"poDesigned", 0},
                                                      {"poDesktopCenter", 1},
                                                      {"poScreenCenter", 2},
                                                      {"csDropDown", 0},
                                                      {"csDropDownList", 1},
                                                      {"blGlyphLeft", 0},
                                                      {"blGlyphRight", 1},
                                                      {"blGlyphTop", 2},
                                                      {"blGlyphBottom", 3},
                                                      {"sbHorizontal", 0},
                                                      {"sbVertical", 1},
                                                      {"ssNone", 0},
                                                      {"ssHorizontal", 1},
                                                      {"ssVertical", 2},
                                                      {"ssBoth", 3},
                                                      {"tpTop", 0},
                                                      {"tpBottom", 1},
                                                      {"tpLeft", 2},
                                                      {"tpRight", 3}};
    auto it = values.find(ident);
    if (it == values.end()) {
        throw EReadError("Invalid property value: " + ident);
    }
    return it->second;
}

void RegisterStandardClasses(TClassRegistry& r) {
    r.AddClass("TComponent", "", nullptr);
    r.AddClass("TControl", "TComponent", nullptr);
    r.AddClass("TGraphicControl", "TControl", nullptr);
    r.AddClass("TWinControl", "TControl", nullptr);
    r.AddClass("TCustomForm", "TWinControl", nullptr);
    Class<TForm>(r, "TCustomForm");
    r.AddClass("TCustomLabel", "TGraphicControl", nullptr);
    Class<TLabel>(r, "TCustomLabel");
    Class<TImage>(r, "TGraphicControl");
    Class<TSpeedButton>(r, "TGraphicControl");
    r.AddClass("TCustomPanel", "TWinControl", nullptr);
    Class<TPanel>(r, "TCustomPanel");
    r.AddClass("TCustomGroupBox", "TWinControl", nullptr);
    Class<TGroupBox>(r, "TCustomGroupBox");
    r.AddClass("TCustomEdit", "TWinControl", nullptr);
    Class<TEdit>(r, "TCustomEdit");
    r.AddClass("TCustomMemo", "TCustomEdit", nullptr);
    Class<TMemo>(r, "TCustomMemo");
    Class<TScrollBar>(r, "TWinControl");
    Class<TScrollBox>(r, "TWinControl");
    r.AddClass("TCustomCombo", "TWinControl", nullptr);
    r.AddClass("TCustomComboBox", "TCustomCombo", nullptr);
    Class<TComboBox>(r, "TCustomComboBox");
    r.AddClass("TCustomComboBoxEx", "TCustomCombo", nullptr);
    Class<TComboBoxEx>(r, "TCustomComboBoxEx");
    r.AddClass("TCustomCheckBox", "TWinControl", nullptr);
    Class<TCheckBox>(r, "TCustomCheckBox");
    Class<TButton>(r, "TWinControl");
    Class<TBitBtn>(r, "TButton");
    Class<TTrackBar>(r, "TWinControl");
    Class<TStatusBar>(r, "TWinControl");
    Class<TTabControl>(r, "TWinControl");
    Class<TTabSet>(r, "TWinControl");
    Class<TTimer>(r, "TComponent");
    Class<TImageList>(r, "TComponent");
    r.AddClass("TMenu", "TComponent", nullptr);
    Class<TPopupMenu>(r, "TMenu");
    Class<TMenuItem>(r, "TComponent");
    RegisterControlProperties(r);
    RegisterFormProperties(r);
    RegisterStdControlProperties(r);
    RegisterExtProperties(r);
    RegisterScrollProperties(r);
    RegisterTabProperties(r);
    RegisterParentingRules(r);
}

} // namespace quellar
