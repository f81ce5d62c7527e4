#pragma once
// What the calculation windows get from the shell: one instance of each, owned by main().

namespace orvane {

class ShellSettings;
class TFormAbout;
class TFormSelectPathSave;
class TFormTamsoPopupTip;

struct ShellWindows {
    ShellSettings *settings = nullptr;
    TFormAbout *about = nullptr;
    TFormSelectPathSave *selectPathSave = nullptr;
    TFormTamsoPopupTip *popupTip = nullptr;
    bool bannerMode = true; // false: compact run; a new instance gets the compact switch too
};

} // namespace orvane
