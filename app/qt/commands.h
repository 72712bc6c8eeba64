#pragma once
// Command ids of the menus, the command buttons and the keys.

enum CommandId : int {
    ID_WHERE = 1000,
    ID_VIEW_OPTIONS = 1004,
    ID_AIM_SUN = 32779,
    ID_AIM_MERCURY = 32780,
    ID_AIM_VENUS = 32781,
    ID_AIM_MOON = 32782,
    ID_AIM_MARS = 32783,
    ID_AIM_JUPITER = 32784,
    ID_AIM_SATURN = 32785,
    ID_AIM_URANUS = 32786,
    ID_AIM_NEPTUNE = 32787,
    ID_AIM_PLUTO = 32788,
    ID_SEEK = 32789,
    ID_VR = 32793,
    ID_HELP = 32802,
    ID_NOW = 32804,
    ID_UTC_TIME = 32805,
    ID_AIM_EARTH = 32806,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    // Keys without a menu item: the arrows turn the view, Page Up and Page
    // Down zoom, Space starts and stops running forward.
    ID_TURN_LEFT = 33001,
    ID_TURN_RIGHT = 33002,
    ID_TURN_UP = 33003,
    ID_TURN_DOWN = 33004,
    ID_ZOOM_IN = 33005,
    ID_ZOOM_OUT = 33006,
    ID_RUN_FORWARD = 33007,
    // The Telescope menu.
    ID_TELESCOPE_CONNECT = 33101,
    ID_TELESCOPE_SLEW = 33102,
    ID_TELESCOPE_SYNC = 33103,
    ID_TELESCOPE_ABORT = 33104,
    ID_TELESCOPE_PARK = 33105,
};

// The Aim menu: body names in menu order with their command ids.
struct AimItem {
    const char* name;
    int id;
};
constexpr AimItem kAimItems[] = {
    {"Sun", ID_AIM_SUN},         {"Mercury", ID_AIM_MERCURY}, {"Venus", ID_AIM_VENUS},
    {"Earth", ID_AIM_EARTH},     {"Moon", ID_AIM_MOON},       {"Mars", ID_AIM_MARS},
    {"Jupiter", ID_AIM_JUPITER}, {"Saturn", ID_AIM_SATURN},   {"Uranus", ID_AIM_URANUS},
    {"Neptune", ID_AIM_NEPTUNE}, {"Pluto", ID_AIM_PLUTO},
};

constexpr const char* kAppTitle = "Tarvel Lumo";
