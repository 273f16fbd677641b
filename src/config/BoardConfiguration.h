#pragma once

struct AppContext;

// A change of the controller's boards, as the System Configuration window
// applies it: the number of expansion boards (0-3) and the clock board. It
// remembers the configuration as it was when made, so that apply() knows what
// was removed or added.
//
// Removing boards asks first and clears their programming (stations, class of
// service, page groups, and the events left without page groups), then counts
// the events again; adding boards gives the new boards' emergency- and
// time-tone page groups their defaults. Any change marks the configuration
// changed, the clock board included, so that closing the file asks to save it.
class BoardConfiguration {
public:
    explicit BoardConfiguration(AppContext &context);

    int oldBoards() const { return m_oldBoards; }
    bool oldClockBoard() const { return m_oldClockBoard; }

    // Applies the chosen boards to the working database and the shared state.
    // False when the user declined removing boards: nothing was written and
    // ExpansionBoards and ClockBoard are as they were.
    bool apply(int boards, bool clockBoard);

private:
    void writeFirstRow(const char *table, const char *column, int value, const char *procedure);
    void markChanged();

    AppContext &m_context;
    int m_oldBoards;
    bool m_oldClockBoard;
};
