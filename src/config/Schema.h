#pragma once

#include "core/Capacities.h"

#include <QString>

// Facts about the configuration database that several subsystems share.
namespace Schema {
// PRAGMA application_id of the tool's own files ("LNET").
constexpr int kApplicationId = 1280197972;
// PRAGMA user_version of the current format ("3.0"); 1 and 2 are older formats.
constexpr int kCurrentFormat = 3;

constexpr int kStations = Capacities::kStations;
constexpr int kCustomPageGroups = 4;
constexpr int kSchedules = Capacities::kSchedules;
constexpr int kPageGroups = Capacities::kPageGroups;
constexpr int kClassServiceGroups = Capacities::kClassServiceGroups;
constexpr int kMaxExpansionBoards = 3;
constexpr int kArchNumWidth = 4;
constexpr int kClidWidth = 15;

// Column of page group n (1-16) in Event rows (0-based), and in PageGroup rows.
constexpr int eventPageGroupColumn(int n)
{
    return n + 3;
}
constexpr int customPageGroupColumn(int n)
{
    return n;
}

// The format version text of a file: "3.0" for the current format.
QString formatVersionText(int userVersion);

// A character the controller can show in a text it is sent (a station's
// caller-identification text): a graphic character of the line's code page.
bool isShownByController(QChar c);
} // namespace Schema
