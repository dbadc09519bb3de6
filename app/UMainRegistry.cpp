#include "app/UMainRegistry.h"

#include "app/UMain.h"
#include "base/Exception.h"
#include "ui/StdRegistry.h"

#include <map>

namespace quellar {

namespace {
using V = const TPropValue&;
using X = const TLayoutContext&;

template <class T>
void Prop(TClassRegistry& r, const std::string& cls, const std::string& name,
          std::function<void(T&, V, X)> set) {
    r.AddProperty(cls, name, [set, name](TComponent& c, V v, X ctx) {
        auto* typed = dynamic_cast<T*>(&c);
        if (typed == nullptr) {
            throw EReadError("Invalid property " + name + " for " + std::string(c.ClassName()));
        }
        set(*typed, v, ctx);
    });
}

TTGWave WaveIdent(const std::string& ident) {
    static const std::map<std::string, TTGWave> waves = {{"tgSine", tgSine},
                                                         {"tgSquare", tgSquare},
                                                         {"tgTriangle", tgTriangle},
                                                         {"tgSawtooth", tgSawtooth},
                                                         {"tgNoise", tgNoise}};
    auto it = waves.find(ident);
    if (it == waves.end()) {
        throw EReadError("Invalid property value: " + ident);
    }
    return it->second;
}

TfrmMain& MainForm(X ctx) {
    auto* form = dynamic_cast<TfrmMain*>(&ctx.Root());
    if (form == nullptr) {
        throw EReadError("The notification-area icon needs the main window");
    }
    return *form;
}

void RegisterTrayIcon(TClassRegistry& r) {
    r.AddClass("TCoolTrayIcon", "TComponent", [](TComponent* owner) {
        auto* window = dynamic_cast<TWinControl*>(owner);
        return new TCoolTrayIcon(owner, window != nullptr ? window->Handle() : nullptr);
    });
    using T = TCoolTrayIcon;
    Prop<T>(r, "TCoolTrayIcon", "CycleInterval",
            [](T& t, V v, X) { t.SetCycleInterval(static_cast<unsigned>(v.i)); });
    Prop<T>(r, "TCoolTrayIcon", "Hint", [](T& t, V v, X) { t.SetHint(v.s); });
    Prop<T>(r, "TCoolTrayIcon", "ShowHint", [](T& t, V v, X) { t.SetShowHint(v.b); });
    Prop<T>(r, "TCoolTrayIcon", "IconIndex", [](T& t, V v, X) { t.SetIconIndex(static_cast<int>(v.i)); });
    Prop<T>(r, "TCoolTrayIcon", "MinimizeToTray", [](T& t, V v, X) { t.SetMinimizeToTray(v.b); });
    Prop<T>(r, "TCoolTrayIcon", "Icon.Resource", [](T& t, V v, X) {
        auto* icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), v.s.c_str(), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
        if (icon == nullptr) {
            throw EReadError("Error reading " + t.Name() + ".Icon: no icon " + v.s);
        }
        t.SetIcon(icon); // the component keeps a copy
        DestroyIcon(icon);
    });
    Prop<T>(r, "TCoolTrayIcon", "PopupMenu", [](T& t, V v, X ctx) {
        auto* menu = dynamic_cast<TPopupMenu*>(&ctx.Find(v.s));
        if (menu == nullptr) {
            throw EReadError("Invalid property value: " + v.s + " is not a popup menu");
        }
        t.SetPopupMenu(MainForm(ctx).MenuPort(menu));
    });
    Prop<T>(r, "TCoolTrayIcon", "OnClick", [](T& t, V v, X ctx) { t.OnClick = ctx.Method(v.s); });
}

void RegisterToneGen(TClassRegistry& r) {
    r.AddClass("TToneGen", "TComponent", [](TComponent* owner) { return new TToneGen(owner); });
    using G = TToneGen;
    Prop<G>(r, "TToneGen", "Loop", [](G& g, V v, X) { g.Loop = v.b; });
    Prop<G>(r, "TToneGen", "Stereo", [](G& g, V v, X) { g.SetStereo(v.b); });
    Prop<G>(r, "TToneGen", "AMAmplitude",
            [](G& g, V v, X) { g.SetAMAmplitude(static_cast<std::int16_t>(v.i)); });
    Prop<G>(r, "TToneGen", "AMWaveform", [](G& g, V v, X) { g.SetAMWaveform(WaveIdent(v.s)); });
    Prop<G>(r, "TToneGen", "AMFrequency", [](G& g, V v, X) { g.SetAMFrequency(static_cast<float>(v.f)); });
}

void RegisterSkinData(TClassRegistry& r) {
    r.AddClass("TSkinData", "TComponent", [](TComponent* owner) { return new TSkinData(owner); });
    Prop<TSkinData>(r, "TSkinData", "Active", [](TSkinData& s, V v, X) { s.SetActive(v.b); });
}
} // namespace

void RegisterMainFormClasses(TClassRegistry& registry) {
    RegisterStandardClasses(registry);
    registry.AddClass("TfrmMain", "TForm", nullptr); // the root: never created by the loader
    RegisterTrayIcon(registry);
    RegisterToneGen(registry);
    RegisterSkinData(registry);
}

} // namespace quellar
