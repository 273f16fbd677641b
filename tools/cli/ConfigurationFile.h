#pragma once

#include <QString>

class CliSession;

// Opens a configuration file as the tool's File > Open does, without windows:
// the file becomes the working database and goes through the same open steps
// (page groups of the absent boards cleared, newer-file warning, validity
// test). A file of an older format is converted as Open converts it, but only
// into the working database: the command line never rewrites the user's file.
// False, with the reason printed, when the file is refused.
bool openConfiguration(CliSession &session, const QString &argument);

// Commands that open a file overwrite the working copy. While it holds changes
// the tool has not saved (it was killed, or is running with them), they are
// left for the tool to recover: true, with the message, when that is the case.
bool workingCopyHoldsUnsavedWork(CliSession &session);
