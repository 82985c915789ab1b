// The main window as data. Controls are listed in stacking order, topmost first; the platform
// creates them from the last to the first. Colours: labels on the button face, edit boxes
// black on white.
#include "app/main_window_template.h"

#include "resources/pictures.h"
#include "schedule/handlers.h"

namespace kestrune {
namespace {

constexpr FontSpec kDefaultGuiFont{nullptr, 0, 0};
constexpr FontSpec kEditFont{"宋体", 48, 400};
constexpr FontSpec kUnitFont{"宋体", 56, 700};

// name, type, {left, top, width, height}, text, font, text colour, back colour,
// visible, tab stop, max length, period, integer entry, pictures
// clang-format off
const ControlTemplate kControls[] = {
    {"图形按钮1", UnitType::PicBtn, {298, 137, 50, 50}, nullptr, kDefaultGuiFont, kBlack, kBlack,
     true, false, 0, 0, false, kNormalPictureJpeg, kMouseOverPictureJpeg},
    {"标签4", UnitType::Label, {8, 108, 328, 24},
     "提示：启动关机程序之前，请注意保存正在操作的其它任务。", kDefaultGuiFont, kBlack,
     kButtonFace, true, false, 0, 0},
    {"时钟2", UnitType::Timer, {312, 136, 40, 32}, nullptr, kDefaultGuiFont, kBlack, kBlack, false,
     false, 0, 0},
    {"标签3", UnitType::Label, {290, 41, 64, 56}, "秒", kUnitFont, kBlack, kButtonFace, true,
     false, 0, 0},
    {"编辑框2", UnitType::EditBox, {203, 41, 80, 56}, "", kEditFont, kBlack, kWhite, true, true,
     2, 0, true},
    {"标签2", UnitType::Label, {140, 41, 64, 56}, "分", kUnitFont, kBlack, kButtonFace, true,
     false, 0, 0},
    {"按钮1", UnitType::Button, {105, 142, 120, 40}, "启动程序", {"宋体", 19, 700}, kBlack,
     kButtonFace, true, true, 0, 0},
    {"编辑框1", UnitType::EditBox, {10, 41, 124, 56}, "", kEditFont, kBlack, kWhite, true, true,
     0, 0, true},
    {"标签1", UnitType::Label, {10, 7, 152, 29}, "设置关机时间", {"宋体", 21, 700}, kBlack,
     kButtonFace, true, false, 0, 0},
    {"时钟1", UnitType::Timer, {304, 152, 40, 40}, nullptr, kDefaultGuiFont, kBlack, kBlack, false,
     false, 0, 0},
};
// clang-format on

constexpr Binding kBindings[] = {
    {"按钮1", Event::Clicked, ToggleStartStop},
    {"时钟2", Event::PeriodicEvent, CountDown},
    {"时钟1", Event::PeriodicEvent, TriggerShutdown},
    {"图形按钮1", Event::Clicked, OpenWebLink},
};

}  // namespace

const WindowTemplate kMainWindowTemplate{"Kestrune （QQ:100200300）", 360, 220, kControls,
                                         kBindings};

}  // namespace kestrune
