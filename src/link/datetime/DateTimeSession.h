#pragma once

#include "link/datetime/DateTimeMessages.h"

#include <QByteArray>

#include <functional>

// What the date and time dialog works with while the Date/Time command runs:
// the controller's reply, its daylight-saving state, and the two sends of
// Update (each true when the controller acknowledged it). The sends run where
// the link lives; the dialog only calls them.
struct DateTimeSession {
    QByteArray reply; // the T body the controller sent
    DateTimeMessages::Daylight daylight;
    std::function<bool(bool on)> sendDaylight;
    std::function<bool(const QByteArray &body)> sendDateTime;
};
