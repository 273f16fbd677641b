#pragma once

#include <QString>

#include <cstddef>
#include <optional>

struct LinkState;

// The controller's revisions as shown in the About window: one display line
// per processor or option card, "" for a line that is not shown.
struct Revisions {
    QString MainCpuText;
    QString SecondCpuText;
    QString ThirdCpuText;
    QString LinkStatusText;
    QString FirstOptionText;
    QString SecondOptionText;

    // Lines after a validated reply (the J layout; positions a short reply lacks read as "").
    static Revisions fromReply(const char *body, std::size_t size);
    // The controller did not answer (or the port could not be opened).
    static Revisions notCommunicating();
    // The controller answered but never with a valid reply: older than 2.00.
    static Revisions preRelease();

    // "Rev " + major + "." + minor from two 2-character fields; a major field
    // starting with "0" gives only its second character.
    static QString revisionText(const QString &major, const QString &minor);

    // The non-empty lines, in display order.
    QStringList lines() const;

    bool operator==(const Revisions &) const = default;
};

// The controller revision that decides the revision questions of a transfer:
// none when the revision request went unanswered, "0.00" after five NAKs, else
// the revision of the second CPU ("2.05"; "2.00" for "Pre 2.00").
std::optional<QString> ControllerRevision(const LinkState &link, const Revisions &revs);

// The question asked before a send to a controller older than the tool expects.
QString SendWarningText(const QString &modelName);
