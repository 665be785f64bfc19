#pragma once

#include <QString>

// What one condition picture shows, built from a few elements.
struct Scene {
    enum class Sky { None, Sun, Moon };
    enum class Cloud { None, Small, Large, Dark, Double };

    Sky sky = Sky::None;
    bool skyBehindCloud = false; // the sun or moon peeks out at the upper left
    bool stars = false;
    bool wisp = false; // a thin streak of cloud below a fair sky
    Cloud cloud = Cloud::None;
    int rain = 0; // drops
    int drizzle = 0; // fine dots
    int snow = 0; // flakes
    int pellets = 0; // sleet and freezing drops
    int hail = 0;
    int bolts = 0;
    bool fog = false;
    bool haze = false;
    bool smoke = false;
    bool dust = false;
    bool wind = false;
    bool tornado = false;
    bool hurricane = false;
    int thermometer = 0; // 1 hot, -1 cold
    QString caption; // what the code means, for the contact sheet
};

// The scene of each condition code of the feed, 0 to 47.
Scene SceneForCode(int code);
constexpr int kConditionCount = 48;
