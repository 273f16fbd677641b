#pragma once

#include "link/records/RecordSenders.h"

// The records of a send, in the order the controller expects them after the
// start request, with the progress each step shows before it runs (-1: none).
struct SendStep {
    int percent;
    const char *item;
    void (RecordSenders::*send)();
};

inline constexpr SendStep kSendOrder[] = {
    {3, "Events", &RecordSenders::SendConfig},
    {10, "Events", &RecordSenders::SendEvents},
    {20, "Custom Page Groups", &RecordSenders::SendGroups},
    {-1, nullptr, &RecordSenders::SendSched},
    {30, "CLID", &RecordSenders::SendClid},
    {75, "Dipswiches", &RecordSenders::SendDip},
    {80, "Background Music", &RecordSenders::SendBGM},
    {-1, nullptr, &RecordSenders::SendEmer},
    {-1, nullptr, &RecordSenders::SendCT},
    {-1, nullptr, &RecordSenders::SendClock},
    {90, "Class Of Service", &RecordSenders::SendClassService},
    {98, "All Done", &RecordSenders::SendAllDone},
};
