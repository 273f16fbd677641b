#pragma once

#include <QString>

// The sizes of a controller's programming and the revisions this tool is made
// for. Every layer that needs one of these numbers uses the one declared here.
namespace Capacities {
constexpr int kSchedules = 6;
constexpr int kPageGroups = 16;
constexpr int kStations = 96;
constexpr int kClassServiceGroups = 16;
constexpr int kMaxEvents = 256; // all schedules together

// The tool's own revision (stored in every saved file) and the controller
// software revision it was made for: older controllers get a warning before a
// send and their received data is brought up to date.
inline const QString kToolRev = QStringLiteral("02.00");
inline const QString kSupportedControllerRev = QStringLiteral("2.00");
} // namespace Capacities
